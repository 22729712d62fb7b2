#pragma once
// With --trace the program writes one line to standard error for what a user
// hears and reads (beeps, message boxes), for each change of the current tool,
// when the main window is ready, when a document window is first painted or
// autosaved, when the manual is handed to the browser, and once a command, the
// view's input or a reread of the macro tree has been handled, so that scripts
// can wait for it instead of for time.
#include <QString>

void EnableTrace(bool bOn);
bool IsTraceEnabled();
void TraceLine(const QString& line);
// "MSG caption|text", line breaks written as \n.
void TraceMessage(const QString& caption, const QString& text);
// The system beep, traced as "BEEP".
void Beep();
