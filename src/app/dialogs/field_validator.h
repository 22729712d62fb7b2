#pragma once
// The text fields that end up inside a header line ("TL", "TBM", "TLM") may
// not gain "]", which would end the header early, nor control characters.
// A text the program puts there (a title read from a file) keeps any it has.
class QLineEdit;

// Installs the check on the edit; with bBeep a refused keystroke or paste beeps.
void LimitHeaderField(QLineEdit* edit, bool bBeep);
