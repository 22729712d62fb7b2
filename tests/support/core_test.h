#pragma once
// What the core tests share: the framework, the document with its reading and
// writing, the fakes and helpers of this folder, and the standard headers.
#include "doc/document/document.h"
#include "doc/library/library_doc.h"
#include "format/component.h"
#include "format/reader.h"
#include "format/resolve.h"
#include "format/resolve_context.h"
#include "format/writer.h"
#include "model/line.h"
#include "model/macro.h"
#include "model/poly.h"
#include "model/prototypes.h"
#include "model/text.h"
#include "support/fake_ui.h"
#include "support/recording_surface.h"
#include "support/test_util.h"
#include "view/commands/commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
