#pragma once
#include "core/doc.h"

namespace dv::detail {

/// The document an operation runs on: the one given, else the open one.
inline CDvDoc& docOrCurrent(CDvDoc* doc) { return doc ? *doc : DvGetCurDoc(); }

}  // namespace dv::detail
