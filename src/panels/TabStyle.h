#pragma once

class QTabWidget;

// Draws a page control's tabs as flat buttons, or as ordinary tabs.
void ShowTabsAsButtons(QTabWidget *pages, bool asButtons);

// A frame whose page control follows the "tabs as buttons" choice of the side panels.
class TTabStyled
{
public:
    virtual ~TTabStyled() = default;
    virtual void SetTabsAsButtons(bool asButtons) = 0;
};
