#pragma once

namespace cdx {

// How much of a gauge a paint redraws. Each kind includes everything the
// following kinds draw.
enum class GaugePaint {
    Full,           // background, bevel, arc, label, needle
    ArcLabelNeedle, // arc, label and needle over the previous picture
    LabelNeedle,    // label and needle over the previous picture
};

} // namespace cdx
