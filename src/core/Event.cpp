#include "Event.h"

#include <algorithm>

// The application mode, read through the dictionary set (which this creates if need be).
int CurrentApplicationMode();

std::function<int()> TEvent::ModeSource;

int TEvent::IndexOf(const CallbackId &callback, const void *instance) const
{
    for (std::size_t i = 0; i < records_.size(); ++i) {
        const Record &r = records_[i];
        if (!r.removed && r.instance == instance && r.callback == callback)
            return int(i);
    }
    return -1;
}

void TEvent::RemoveAt(int index)
{
    if (index < 0)
        return;
    // While a round is running, indices must stay put: mark now, erase when the round ends.
    records_[std::size_t(index)].removed = true;
    if (notifying_ == 0)
        Compact();
}

void TEvent::Compact()
{
    std::erase_if(records_, [](const Record &r) { return r.removed; });
}

void TEvent::Notify(QObject *sender)
{
    const int mode = ModeSource ? ModeSource() : CurrentApplicationMode();
    if (mode > 7)
        return;
    ++notifying_;
    try {
        for (std::size_t i = records_.size(); i-- > 0;) {
            if (i >= records_.size())
                continue; // the list was cleared by a subscriber
            if (records_[i].removed || !records_[i].modes.Contains(mode))
                continue;
            auto call = records_[i].call; // the record may be erased while it runs
            call(sender);
        }
    } catch (...) {
        if (--notifying_ == 0)
            Compact();
        throw;
    }
    if (--notifying_ == 0)
        Compact();
}

void TEvent::Clear()
{
    if (notifying_ == 0) {
        records_.clear();
        return;
    }
    for (Record &r : records_)
        r.removed = true;
}

int TEvent::Count() const
{
    return int(std::count_if(records_.begin(), records_.end(),
                             [](const Record &r) { return !r.removed; }));
}
