#include "FontWalk.h"

#include "Panel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QToolBar>

namespace {

void SetTextColor(QWidget *widget, const QColor &color)
{
    // Disabled controls keep the style's grey, so a disabled button still looks disabled.
    QPalette pal = widget->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            pal.setColor(group, role, color);
    widget->setPalette(pal);
}

void TakeFont(QWidget *widget, const QFont &font, const QColor &color)
{
    widget->setFont(font);
    if (!widget->property("keepFontColor").toBool())
        SetTextColor(widget, color);
    widget->update();
}

bool TakesFontOnly(const QWidget *w)
{
    return qobject_cast<const QAbstractItemView *>(w) || qobject_cast<const QPlainTextEdit *>(w) ||
           qobject_cast<const QTextEdit *>(w) || qobject_cast<const QComboBox *>(w) ||
           qobject_cast<const QToolBar *>(w);
}

bool FollowsParent(const QWidget *w)
{
    return qobject_cast<const QLabel *>(w) || qobject_cast<const QAbstractButton *>(w);
}

void Walk(QWidget *container, const QFont &font, const QColor &color)
{
    const QObjectList children = container->children();
    for (QObject *object : children) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child->isWindow() || FollowsParent(child))
            continue;
        if (TakesFontOnly(child)) {
            TakeFont(child, font, color);
            if (auto *view = qobject_cast<QAbstractItemView *>(child))
                view->viewport()->update();
        } else if (qobject_cast<TPanel *>(child)) {
            TakeFont(child, font, color);
            Walk(child, font, color);
        } else {
            Walk(child, font, color);
        }
    }
}

} // namespace

QPalette::ColorRole SystemColorRole(int number)
{
    switch (number) {
    case 1:
        return QPalette::Window; // desktop background
    case 2:
        return QPalette::Highlight; // active caption
    case 4:
        return QPalette::Window; // menu
    case 5:
        return QPalette::Base; // window (the background of text controls)
    case 6:
        return QPalette::Dark; // window frame
    case 7:
        return QPalette::WindowText; // menu text
    case 8:
        return QPalette::Text; // window text
    case 9:
        return QPalette::HighlightedText; // caption text
    case 12:
        return QPalette::Dark; // application workspace
    case 13:
        return QPalette::Highlight;
    case 14:
        return QPalette::HighlightedText;
    case 15:
        return QPalette::Button; // button face
    case 16:
        return QPalette::Mid; // button shadow
    case 17:
        return QPalette::PlaceholderText; // grey text
    case 18:
        return QPalette::ButtonText;
    case 20:
        return QPalette::Light; // button highlight
    case 21:
        return QPalette::Shadow; // 3D dark shadow
    case 22:
        return QPalette::Midlight; // 3D light
    case 23:
        return QPalette::ToolTipText; // info text
    case 24:
        return QPalette::ToolTipBase; // info background
    case 26:
        return QPalette::Link; // hot-tracked item
    default:
        return QPalette::Window;
    }
}

QColor ColorFromValue(qint32 value, const QPalette &palette)
{
    const auto bits = quint32(value);
    if ((bits & 0xFF000000u) == 0xFF000000u)
        return palette.color(QPalette::Active, SystemColorRole(int(bits & 0xFFu)));
    return QColor(int(bits & 0xFFu), int((bits >> 8) & 0xFFu), int((bits >> 16) & 0xFFu));
}

QColor ColorFromValue(qint32 value)
{
    return ColorFromValue(value, QApplication::palette());
}

QFont FontFromInfo(const TFontInfo &info)
{
    QFont font(info.Face);
    if (info.Size > 0)
        font.setPointSize(info.Size);
    font.setBold(info.Bold);
    font.setItalic(info.Italic);
    font.setUnderline(info.Underline);
    font.setStrikeOut(info.StrikeOut);
    return font;
}

void ApplyFontToControls(QWidget *container, const TFontInfo &font)
{
    if (container)
        Walk(container, FontFromInfo(font), ColorFromValue(font.Color));
}
