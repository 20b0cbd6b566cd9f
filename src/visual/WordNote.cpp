#include "WordNote.h"

#include "DictionaryList.h"
#include "LexDatabase.h"
#include "LexError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The database's text is Windows-1252.
QString FromLexText(const std::string &text)
{
    QStringDecoder decode("windows-1252");
    return decode.isValid() ? QString(decode(QByteArrayView(text.data(), qsizetype(text.size()))))
                            : QString::fromLatin1(text.data(), qsizetype(text.size()));
}

std::string ToLexText(const QString &text)
{
    QStringEncoder encode("windows-1252");
    const QByteArray bytes = encode.isValid() ? QByteArray(encode(text)) : text.toLatin1();
    return bytes.toStdString();
}

} // namespace

TWordNote::TWordNote(const QString &lexFile) : lexFile_(lexFile) {}

TWordNote::~TWordNote() = default;

QString TWordNote::FirstDefinition(const QString &word)
{
    if (word == lastWord_)
        return lastDefinition_;
    lastWord_ = word;
    lastDefinition_.clear();
    if (word.isEmpty() || !QFileInfo(lexFile_).isFile())
        return {};
    try {
        if (!db_) {
            db_ = std::make_unique<TLexDatabase>();
            db_->SetFileName(QFile::encodeName(lexFile_).toStdString());
        }
        TLexFileGuard guard(*db_);
        db_->Lookup(ToLexText(word));
        const auto &senses = db_->Query().Senses();
        if (!senses.empty())
            lastDefinition_ = FromLexText(senses.front()->Gloss).trimmed();
    } catch (const ELexError &) {
        // A damaged database gives no definition; the tip still shows the rest.
    }
    return lastDefinition_;
}

QString TWordNote::Tip(const QString &word, const QString &kind)
{
    const int syllables = TDictionaryList::Instance().Syllables().CountLine(word);
    QString tip = kind.isEmpty() ? word : QStringLiteral("%1 (%2)").arg(word, kind);
    tip += QLatin1Char('\n') + (syllables == 1 ? QObject::tr("1 syllable")
                                               : QObject::tr("%1 syllables").arg(syllables));
    if (const QString definition = FirstDefinition(word); !definition.isEmpty())
        tip += QLatin1Char('\n') + definition;
    return tip;
}
