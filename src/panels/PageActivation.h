#pragma once

// A panel on a page of a host's page control that builds its view only while that page is the
// active one; the host calls ShowTree on every page change.
class TPageActivation
{
public:
    virtual ~TPageActivation() = default;
    virtual void ShowTree(bool active) = 0;
};
