#pragma once
// Draws a new key from a table's key generator procedure, before the row exists.
#include "fb/Fb.h"

namespace data {

// Calls SP_GEN_<name>_ID (no input) and returns its output ID. The value is never handed out
// again, even when the row it was drawn for is cancelled: keys may have gaps.
qint64 drawKey(fb::Attachment &attachment, const QString &generator);

} // namespace data
