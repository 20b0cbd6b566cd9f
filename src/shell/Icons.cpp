#include "Icons.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>

#include <functional>
#include <map>

namespace {

using Painter = std::function<void(QPainter &, qreal size)>;

QPen Pen(const QColor &color, qreal width)
{
    return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A letter glyph on a rounded tile: readable at 16 pixels and distinct by colour.
Painter Tile(const QString &text, const QColor &color)
{
    return [text, color](QPainter &p, qreal s) {
        const QRectF r(0.5, 0.5, s - 1, s - 1);
        p.setPen(Pen(color.darker(140), 1));
        p.setBrush(color);
        p.drawRoundedRect(r, s / 6, s / 6);
        QFont font(QStringLiteral("Sans"));
        font.setBold(true);
        font.setPixelSize(int(s * (text.size() > 1 ? 0.5 : 0.72)));
        p.setFont(font);
        p.setPen(Qt::white);
        p.drawText(r, Qt::AlignCenter, text);
    };
}

void Printer(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.setPen(Pen(QColor(60, 60, 60), u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 1.5 * u, 8 * u, 5 * u));
    p.setBrush(QColor(120, 130, 140));
    p.drawRoundedRect(QRectF(1.5 * u, 6 * u, 13 * u, 6 * u), u, u);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4 * u, 10 * u, 8 * u, 4.5 * u));
    p.drawLine(QPointF(5.5 * u, 12 * u), QPointF(10.5 * u, 12 * u));
}

void Lines(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.setPen(Pen(QColor(40, 90, 170), 1.6 * u));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(2 * u, (3 + 3.3 * i) * u),
                   QPointF((i % 2 ? 11 : 14) * u, (3 + 3.3 * i) * u));
    p.setPen(Pen(QColor(200, 60, 40), 1.6 * u));
    p.drawEllipse(QPointF(12.5 * u, 6.3 * u), 1.5 * u, 1.5 * u);
    p.drawEllipse(QPointF(12.5 * u, 12.9 * u), 1.5 * u, 1.5 * u);
}

void LineNumbers(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.fillRect(QRectF(0.5 * u, 0.5 * u, 6 * u, 15 * u), QColor(225, 225, 225));
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(int(5.5 * u));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 60, 60));
    for (int i = 0; i < 3; ++i)
        p.drawText(QRectF(0.5 * u, (0.5 + 5 * i) * u, 6 * u, 5 * u), Qt::AlignCenter,
                   QString::number(i + 1));
    p.setPen(Pen(QColor(40, 90, 170), 1.4 * u));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(8.5 * u, (3 + 5 * i) * u), QPointF(14.5 * u, (3 + 5 * i) * u));
}

void Magnifier(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.setPen(Pen(QColor(90, 60, 30), 2.4 * u));
    p.drawLine(QPointF(10 * u, 10 * u), QPointF(14.5 * u, 14.5 * u));
    p.setPen(Pen(QColor(50, 50, 50), 1.4 * u));
    p.setBrush(QColor(190, 220, 250));
    p.drawEllipse(QPointF(6.5 * u, 6.5 * u), 4.8 * u, 4.8 * u);
}

void SpellCheck(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(int(6.5 * u));
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRectF(0, 0, s, 8 * u), Qt::AlignCenter, QStringLiteral("abc"));
    p.setPen(Pen(QColor(20, 150, 40), 2 * u));
    p.drawPolyline(QPolygonF(
        {QPointF(3 * u, 11 * u), QPointF(6.5 * u, 14.5 * u), QPointF(13.5 * u, 8.5 * u)}));
}

void SidePanels(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.setPen(Pen(QColor(60, 60, 60), u));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5 * u, 2.5 * u, 13 * u, 11 * u));
    p.setBrush(QColor(110, 160, 220));
    p.drawRect(QRectF(1.5 * u, 2.5 * u, 3.5 * u, 11 * u));
    p.drawRect(QRectF(11 * u, 2.5 * u, 3.5 * u, 11 * u));
    p.setPen(Pen(QColor(200, 60, 40), 1.2 * u));
    p.drawLine(QPointF(6.5 * u, 8 * u), QPointF(9.5 * u, 8 * u));
    p.drawLine(QPointF(8.3 * u, 6.5 * u), QPointF(9.5 * u, 8 * u));
    p.drawLine(QPointF(8.3 * u, 9.5 * u), QPointF(9.5 * u, 8 * u));
}

void Book(QPainter &p, qreal s)
{
    const qreal u = s / 16;
    p.setPen(Pen(QColor(90, 40, 20), u));
    p.setBrush(QColor(170, 70, 40));
    p.drawRoundedRect(QRectF(3 * u, 1.5 * u, 10 * u, 13 * u), u, u);
    p.setBrush(QColor(250, 245, 230));
    p.drawRect(QRectF(4.5 * u, 12 * u, 8.5 * u, 2 * u));
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(int(7 * u));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(3 * u, 2 * u, 10 * u, 9 * u), Qt::AlignCenter, QStringLiteral("T"));
}

QIcon Drawn(const Painter &paint)
{
    QIcon icon;
    for (int size : {16, 24, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p, size);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// The style's own icon when it has one; otherwise drawn.
QIcon Standard(QStyle::StandardPixmap which, const Painter &fallback)
{
    QIcon icon = QApplication::style()->standardIcon(which);
    if (icon.isNull() || icon.availableSizes().isEmpty())
        return Drawn(fallback);
    return icon;
}

struct Entry
{
    std::function<QIcon()> make;
};

const std::map<QString, Entry> &Table()
{
    static const std::map<QString, Entry> table = {
        {"FileNew1", {[] { return Standard(QStyle::SP_FileIcon, Tile("N", QColor(90, 90, 90))); }}},
        {"FileOpen1",
         {[] { return Standard(QStyle::SP_DirOpenIcon, Tile("O", QColor(200, 150, 40))); }}},
        {"FileOpen2",
         {[] { return Standard(QStyle::SP_DialogOpenButton, Tile("O", QColor(200, 150, 40))); }}},
        {"FileOpen3",
         {[] { return Standard(QStyle::SP_DirIcon, Tile("O", QColor(200, 150, 40))); }}},
        {"FileSave1",
         {[] { return Standard(QStyle::SP_DialogSaveButton, Tile("S", QColor(40, 90, 170))); }}},
        {"FileSaveAs1", {[] { return Drawn(Tile("S+", QColor(40, 90, 170))); }}},
        {"FileClose1",
         {[] { return Standard(QStyle::SP_DialogCloseButton, Tile("X", QColor(170, 50, 40))); }}},
        {"FileExit1", {[] { return Drawn(Tile("Ex", QColor(120, 40, 40))); }}},
        {"actPrint1", {[] { return Drawn(Printer); }}},
        {"actPrintPreview1", {[] { return Drawn(Printer); }}},
        {"actAbout", {[] {
             return Standard(QStyle::SP_MessageBoxInformation, Tile("i", QColor(40, 110, 200)));
         }}},
        {"actViewRhymes", {[] { return Drawn(Tile("R", QColor(200, 70, 50))); }}},
        {"actViewPhrases", {[] { return Drawn(Tile("P", QColor(120, 70, 170))); }}},
        {"actRhymeLines", {[] { return Drawn(Lines); }}},
        {"actViewThesaurus", {[] { return Drawn(Tile("Th", QColor(30, 130, 90))); }}},
        {"actViewRoundex", {[] { return Drawn(Tile("Rx", QColor(210, 120, 20))); }}},
        {"actViewNearRhymes", {[] { return Drawn(Tile("NR", QColor(170, 60, 110))); }}},
        {"actViewLineNumbers", {[] { return Drawn(LineNumbers); }}},
        {"actViewSyllableCnt", {[] { return Drawn(Tile("Sy", QColor(60, 120, 180))); }}},
        {"actViewMeter", {[] { return Drawn(Tile("x/", QColor(40, 60, 140))); }}},
        {"actViewRhymeScheme", {[] { return Drawn(Tile("AB", QColor(40, 120, 60))); }}},
        {"actViewCustomDataGutter", {[] { return Drawn(Tile("VF", QColor(150, 100, 60))); }}},
        {"actViewMode", {[] { return Drawn(Tile("W", QColor(100, 100, 140))); }}},
        {"actAdvanced", {[] { return Drawn(Tile("C", QColor(60, 60, 120))); }}},
        {"actSpellCheck", {[] { return Drawn(SpellCheck); }}},
        {"actThesaurus", {[] { return Drawn(Book); }}},
        {"actWordExplorer", {[] { return Drawn(Magnifier); }}},
        {"actTogglePanels", {[] { return Drawn(SidePanels); }}},
        {"actOptions", {[] { return Drawn(Tile("Op", QColor(90, 90, 90))); }}},
        {"EditUndo1",
         {[] { return Standard(QStyle::SP_ArrowBack, Tile("<", QColor(90, 90, 90))); }}},
        {"EditRedo1",
         {[] { return Standard(QStyle::SP_ArrowForward, Tile(">", QColor(90, 90, 90))); }}},
        {"EditFind1", {[] { return Drawn(Magnifier); }}},
    };
    return table;
}

} // namespace

QIcon ActionIcon(const QString &actionName)
{
    const auto &table = Table();
    const auto entry = table.find(actionName);
    return entry == table.end() ? QIcon() : entry->second.make();
}

bool HasActionIcon(const QString &actionName)
{
    return Table().count(actionName) > 0;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {48, 256})
        icon.addFile(QStringLiteral(":/icons/tolvane-%1.png").arg(size), QSize(size, size));
    return icon;
}
