#pragma once

class QWidget;

// Connects every link label and web menu entry of the window to the page it opens. The pages
// are listed once, by object name, so a control of that name opens the same page in every
// window it appears in.
void connectWebLinks(QWidget* window);
