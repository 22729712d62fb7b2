#pragma once

// Marks a text shown to the user for translation in the layers that do not
// link Qt: the text stays the Italian source, and the window translates it
// (context and text) when it shows it. Same spelling as Qt's own macro, so
// that a file seeing both compiles and lupdate finds the texts.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
