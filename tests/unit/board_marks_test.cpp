// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>

#include "screens/assistant/board_marks.h"
#include "screens/toolkit/application.h"
#include "screens/toolkit/scripted_platform.h"

TEST(BoardMarksTest, APassingMarkWinsOverAFollowingOneAndGoesAfterTheNextInput) {
    std::ostringstream out;
    toolkit::ScriptedPlatform platform{out};
    toolkit::Application app{platform};
    toolkit::Screen screen{app, "screen"};
    toolkit::Element a{screen, toolkit::ElementKind::TextBox, "a"};
    toolkit::Element b{screen, toolkit::ElementKind::TextBox, "b"};
    BoardMarks marks(app);
    const toolkit::Decoration frame{toolkit::ElementMark::Frame, {}};
    const toolkit::Decoration dashed{toolkit::ElementMark::Dashed, {}};
    const toolkit::Decoration corners{toolkit::ElementMark::Corners, {}};
    int made = 0;
    app.runUserEvent([&] {
        marks.follow([&] {
            ++made;
            return BoardMarks::Marks{{&a, frame}, {&b, frame}};
        });
        marks.showPassing({{&b, dashed}});
        marks.showPassing({{&a, corners}});
    });
    EXPECT_EQ(a.decoration(), corners);
    EXPECT_EQ(b.decoration(), dashed);
    app.runUserEvent([] {});
    EXPECT_EQ(a.decoration(), frame);
    EXPECT_EQ(b.decoration(), frame);
    EXPECT_EQ(made, 3);  // when asked for, and after each input
    marks.follow(nullptr);
    EXPECT_TRUE(a.decoration().empty());
    EXPECT_TRUE(b.decoration().empty());
}
