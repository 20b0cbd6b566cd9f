#include "Event.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

namespace {

QStringList calls;
int currentMode = 1;

class Subscriber
{
public:
    explicit Subscriber(QString name) : name(std::move(name)) {}
    void Call(QObject *) { calls << name; }
    void Other(QObject *) { calls << name + QStringLiteral("*"); }
    QString name;
};

class EventTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        calls.clear();
        currentMode = 1;
        TEvent::ModeSource = [] { return currentMode; };
    }
    void TearDown() override { TEvent::ModeSource = nullptr; }
    TEvent event;
    Subscriber a{QStringLiteral("a")}, b{QStringLiteral("b")}, c{QStringLiteral("c")};
};

TEST_F(EventTest, CallsLastSubscriberFirstAndOnlyInItsModes)
{
    event.Add({0, 1}, &Subscriber::Call, &a);
    event.Add({1}, &Subscriber::Call, &b);
    event.Add({0}, &Subscriber::Call, &c);
    event.Add({0, 1}, &Subscriber::Other, &a); // another callback of the same instance
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"a*", "b", "a"}));
    calls.clear();
    currentMode = 0;
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"a*", "c", "a"}));
    calls.clear();
    currentMode = 9; // no subscriber can name a mode beyond 7
    event.Notify(nullptr);
    EXPECT_TRUE(calls.isEmpty());
}

TEST_F(EventTest, AddingTwiceKeepsTheFirstModeSet)
{
    event.Add({1}, &Subscriber::Call, &a);
    event.Add({0, 1}, &Subscriber::Call, &a);
    EXPECT_EQ(event.Count(), 1);
    currentMode = 0;
    event.Notify(nullptr);
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(event.IndexOf(&Subscriber::Call, &a), 0);
    EXPECT_EQ(event.IndexOf(&Subscriber::Other, &a), -1);
    event.Remove(&Subscriber::Call, &a);
    EXPECT_EQ(event.Count(), 0);
}

// Subscribers that change the list while it is being notified.
class Mutator
{
public:
    TEvent *event = nullptr;
    Subscriber *victim = nullptr;
    Subscriber *newcomer = nullptr;
    void RemoveSelf(QObject *)
    {
        calls << QStringLiteral("m");
        event->Remove(&Mutator::RemoveSelf, this);
    }
    void RemoveVictim(QObject *)
    {
        calls << QStringLiteral("m");
        event->Remove(&Subscriber::Call, victim);
    }
    void AddNewcomer(QObject *)
    {
        calls << QStringLiteral("m");
        event->Add({1}, &Subscriber::Call, newcomer);
    }
    void Renotify(QObject *)
    {
        calls << QStringLiteral("m");
        event->Remove(&Mutator::Renotify, this);
        event->Notify(nullptr);
    }
};

TEST_F(EventTest, SubscribersMayChangeTheListDuringARound)
{
    Mutator m;
    m.event = &event;
    event.Add({1}, &Subscriber::Call, &a);
    event.Add({1}, &Subscriber::Call, &b);
    event.Add({1}, &Mutator::RemoveSelf, &m);
    event.Notify(nullptr);
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"m", "b", "a", "b", "a"}));

    calls.clear();
    m.victim = &a; // an earlier record removed: the rest are still visited exactly once
    event.Add({1}, &Mutator::RemoveVictim, &m);
    event.Add({1}, &Subscriber::Call, &c);
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"c", "m", "b"}));

    calls.clear();
    m.newcomer = &a;
    event.Remove(&Mutator::RemoveVictim, &m);
    event.Add({1}, &Mutator::AddNewcomer, &m);
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"m", "c", "b"}));
    calls.clear();
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"a", "m", "c", "b"}));
}

TEST_F(EventTest, NestedNotifyIsSafe)
{
    Mutator m;
    m.event = &event;
    event.Add({1}, &Subscriber::Call, &a);
    event.Add({1}, &Mutator::Renotify, &m);
    event.Add({1}, &Subscriber::Call, &b);
    event.Notify(nullptr);
    EXPECT_EQ(calls, (QStringList{"b", "m", "b", "a", "a"}));
    EXPECT_EQ(event.Count(), 2);
}

} // namespace
