// Window sizes that follow the texts of the language.
#pragma once

class QWidget;

// Brings the size hints of the window and of every widget and layout in it
// up to date now, the innermost first. Qt passes new sizes up only on the
// next pass of the event loop, and not at all out of a page that is not
// shown: a size computed right after new texts were set would still fit
// the old ones.
void LayoutsErneuern(QWidget *fenster);
