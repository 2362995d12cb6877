#pragma once

class QLabel;

namespace teilerwerk {

// Where the label's face is missing and a wider one stands in, steps its font down by half points
// until the caption fits the part of the label that shows inside its parent.
void FitCaption(QLabel& label);

}  // namespace teilerwerk
