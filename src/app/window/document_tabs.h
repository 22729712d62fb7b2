#pragma once
class QMdiArea;

// The open documents as tabs (closable, movable) or as windows of their own;
// traced as "TABBED 1" or "TABBED 0".
void ShowDocumentsAsTabs(QMdiArea* mdi, bool bTabs);
