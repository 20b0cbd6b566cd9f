#include "AppComponents.h"

#include "AppFolders.h"

#include <QAction>
#include <QCoreApplication>
#include <QPointer>

#include <vector>

namespace {
std::vector<QPointer<QObject>> &Register()
{
    static std::vector<QPointer<QObject>> objects;
    return objects;
}
} // namespace

void RegisterAppComponent(QObject *object)
{
    auto &objects = Register();
    std::erase_if(objects, [](const QPointer<QObject> &p) { return p.isNull(); });
    objects.emplace_back(object);
}

QObjectList AppComponents()
{
    QObjectList list;
    if (QCoreApplication *app = QCoreApplication::instance())
        list = app->children();
    for (const QPointer<QObject> &p : Register())
        if (p && !list.contains(p.data()))
            list.append(p.data());
    return list;
}

QObject *FindAppComponent(const QString &className)
{
    // The application object's children first, then the registered components.
    const QByteArray name = className.toUtf8();
    for (QObject *component : AppComponents())
        if (name == component->metaObject()->className())
            return component;
    return nullptr;
}

QAction *FindAppAction(const QString &name)
{
    for (QObject *component : AppComponents()) {
        if (auto *action = qobject_cast<QAction *>(component);
            action && action->objectName() == name)
            return action;
        if (auto *action = component->findChild<QAction *>(name))
            return action;
    }
    return nullptr;
}

bool ExecuteAppAction(const QString &name)
{
    QAction *action = FindAppAction(name);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}

namespace {
void ExecuteWithCaption(const QString &name, const QString &caption)
{
    if (QAction *action = FindAppAction(name)) {
        action->setText(caption);
        if (action->isEnabled())
            action->trigger();
    }
}
} // namespace

void ShowWordInLookupBox(const QString &word)
{
    ExecuteWithCaption(QStringLiteral("actUpdateLookup"), word);
}

void OpenRecent(const QString &path)
{
    ExecuteWithCaption(QStringLiteral("actOpenRecent"), path);
}
