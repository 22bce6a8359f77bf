#pragma once

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>

#include "tests/engine/key_sequence.h"

namespace sumora::testing {

// One row of a key table: the keys pressed from a freshly opened window and the three labels
// they leave.
struct SequenceCase {
    std::string_view name;
    std::string_view keys;
    std::string_view display;
    std::string_view indicator;
    std::string_view memory;
};

inline void expectLabels(std::span<const SequenceCase> cases) {
    for (const SequenceCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + std::string(c.keys));
        Session session;
        session.run(c.keys);
        EXPECT_EQ(session.display(), c.display);
        EXPECT_EQ(session.indicator(), c.indicator);
        EXPECT_EQ(session.memory(), c.memory);
    }
}

}  // namespace sumora::testing
