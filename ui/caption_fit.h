#pragma once

class QLabel;

namespace teilerwerk {

// The smallest size a caption is stepped down to; below it the caption is left as it is.
inline constexpr double SmallestCaptionPointSize = 6.0;

// Where the label's face is missing and a wider one stands in, steps its font down by half points
// until the caption fits the part of the label that shows inside its parent.
void FitCaption(QLabel& label);

}  // namespace teilerwerk
