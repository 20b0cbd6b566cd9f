#pragma once

#include <QString>
#include <QStringList>

// Why a web dictionary typed by the user cannot be kept, or an empty text when it can. The name
// becomes a settings key, so it must be non-blank, free of "=" and "]" and not one of
// takenNames (compared without regard to case, as the settings compare keys); the template may
// hold "%s" for the word and "%%" for a percent sign, and no other "%" sequence.
QString WebDictionaryNameError(const QString &name, const QStringList &takenNames);
QString WebDictionaryTemplateError(const QString &urlTemplate);
