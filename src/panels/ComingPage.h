#pragma once

class QLabel;
class QString;
class QWidget;

// A page whose panel comes with a later version says so in one line instead of standing empty.
// Puts that line into container (which has a layout) when className is not registered with the
// panel factory and the page is one of those that wait for a panel; returns the label or null.
QLabel *ShowComingText(QWidget *container, const QString &className);
