#include "UpdateBracket.h"

#include <gtest/gtest.h>

#include <QWidget>

TEST(UpdateBracket, RestoresOnlyTheWidgetsOwnLock)
{
    QWidget parent;
    auto *child = new QWidget(&parent);
    parent.setUpdatesEnabled(false);
    {
        TUpdateBracket bracket(child);
    }
    parent.setUpdatesEnabled(true);
    EXPECT_TRUE(child->updatesEnabled()) << "a bracket opened under a locked parent must not "
                                            "leave the child locked";

    child->setUpdatesEnabled(false);
    {
        TUpdateBracket bracket(child);
    }
    EXPECT_FALSE(child->updatesEnabled()) << "a child locked by its owner stays locked";

    child->setUpdatesEnabled(true);
    {
        TUpdateBracket bracket(child);
        EXPECT_FALSE(child->updatesEnabled());
    }
    EXPECT_TRUE(child->updatesEnabled());
}
