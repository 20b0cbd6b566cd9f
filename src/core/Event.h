#pragma once

#include <QObject>

#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <vector>

// A set of application modes 0..7, one bit each.
class TModeSet
{
public:
    constexpr TModeSet() = default;
    constexpr TModeSet(std::initializer_list<int> modes)
    {
        for (int m : modes)
            if (m >= 0 && m < 8)
                bits_ |= std::uint8_t(1u << m);
    }
    constexpr bool Contains(int mode) const
    {
        return mode >= 0 && mode < 8 && (bits_ >> mode) & 1u;
    }
    constexpr bool operator==(const TModeSet &) const = default;

private:
    std::uint8_t bits_ = 0;
};

// An ordered list of subscribers, each a bound method with the modes in which it wants to hear.
// Notify calls, last subscriber first, those whose modes hold the current application mode.
// Subscribers may remove themselves (or others) during a call; records added during a call wait
// for the next round.
class TEvent
{
public:
    using CallbackId = std::array<unsigned char, 2 * sizeof(void *)>;

    TEvent() = default;
    TEvent(const TEvent &) = delete;
    TEvent &operator=(const TEvent &) = delete;
    virtual ~TEvent() { Clear(); }

    template <class T> void Add(TModeSet modes, void (T::*method)(QObject *), T *instance)
    {
        const CallbackId id = IdOf(method);
        if (IndexOf(id, instance) >= 0)
            return;
        records_.push_back({id, instance, modes,
                            [instance, method](QObject *sender) { (instance->*method)(sender); }});
    }
    template <class T> void Remove(void (T::*method)(QObject *), T *instance)
    {
        RemoveAt(IndexOf(IdOf(method), instance));
    }
    template <class T> int IndexOf(void (T::*method)(QObject *), T *instance) const
    {
        return IndexOf(IdOf(method), instance);
    }

    // Index of the first live record bound to this callback and instance, or -1.
    virtual int IndexOf(const CallbackId &callback, const void *instance) const;
    void Notify(QObject *sender);
    void Clear();
    int Count() const;

    // Replaces the dictionary set's mode as the filter of Notify (tests).
    static std::function<int()> ModeSource;

private:
    struct Record
    {
        CallbackId callback;
        const void *instance;
        TModeSet modes;
        std::function<void(QObject *)> call;
        bool removed = false;
    };

    template <class M> static CallbackId IdOf(M method)
    {
        static_assert(sizeof(M) <= sizeof(CallbackId));
        CallbackId id{};
        std::memcpy(id.data(), &method, sizeof(M));
        return id;
    }
    void RemoveAt(int index);
    void Compact();

    std::vector<Record> records_;
    int notifying_ = 0; // depth of nested Notify calls; records are only erased at depth 0
};
