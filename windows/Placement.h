#pragma once

class QWidget;

// Sizes the window to its contents and centres it on the primary screen's free area.
void centreOnScreen(QWidget* window);
