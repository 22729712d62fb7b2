#pragma once
// Leading the user to a place of a document: what is there selected, the
// place in the middle of its view, its window made active with the view
// focused, so that the keys act on what was selected. The caller cancels the
// view's drag before it looks the primitives up: a cancelled drag may change the list.
#include "model/geometry.h"

#include <vector>

class CMyMDIChildWnd;
class CPrimitive;
class QMdiArea;

void SelectAndCentre(QMdiArea* mdi, CMyMDIChildWnd* child, const std::vector<CPrimitive*>& prims,
                     CPoint centre);
