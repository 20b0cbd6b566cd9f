#include "VerseFormExample.h"

#include "AppComponents.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QPointer<TVerseForm> &TheInstance()
{
    static QPointer<TVerseForm> instance;
    return instance;
}
} // namespace

TVerseForm::TVerseForm() : QDialog(nullptr, Qt::Tool)
{
    setObjectName(QStringLiteral("VerseForm"));
    setWindowTitle(tr("Example"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false); // must not keep the program alive

    viewer_ = new QTextBrowser(this);
    viewer_->setObjectName(QStringLiteral("HTMLViewer1"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    viewer_->setFont(font);
    viewer_->document()->setDefaultStyleSheet(
        QStringLiteral("pre, code, tt { font-family: 'Courier New', monospace; }"));
    viewer_->setOpenExternalLinks(true);

    button_ = new QPushButton(tr("&Close"), this);
    button_->setObjectName(QStringLiteral("Button1"));
    button_->setFixedSize(75, 25);
    connect(button_, &QPushButton::clicked, this, &QDialog::close);

    auto *strip = new QHBoxLayout;
    strip->setContentsMargins(0, 5, 0, 6);
    strip->addStretch();
    strip->addWidget(button_);
    strip->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(viewer_, 1);
    layout->addLayout(strip);

    resize(412, 411);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RegisterAppComponent(this);
    // The application owns the window: it goes at the latest when the program ends.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { delete this; });
}

TVerseForm::~TVerseForm() = default;

TVerseForm *TVerseForm::Instance()
{
    return TheInstance().data();
}

void TVerseForm::LoadExample(const QString &path)
{
    setWindowTitle(tr("%1 example").arg(QFileInfo(path).completeBaseName()));
    viewer_->setSource(QUrl::fromLocalFile(path));
    viewer_->clearHistory();
    viewer_->moveCursor(QTextCursor::Start);
}

void TVerseForm::ShowExample()
{
    if (!TheInstance())
        TheInstance() = new TVerseForm();
    const QString path = TDictSettings::Instance().GetVerseFormExample();
    if (path.isEmpty())
        return;
    TVerseForm *window = TheInstance();
    window->LoadExample(path);
    window->show();
    window->raise();
}
