#pragma once

class QWidget;
class QLabel;

// The console's live preview: what the display shows now, less its right and bottom
// margins (400 and 700 twips), scaled into the preview picture.
void DisplayCopy(QWidget& window, QLabel& preview);
