// Where the Suggestions box goes: beside the window where the screen has room, else over the
// bitmap view's visible part, narrowed to it so that its scroll bars stay uncovered.
#include <gtest/gtest.h>
#include <ostream>

#include "window/docked_box.h"

// A failing row names the rectangles, not their bytes.
static void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height();
}

namespace mosalind {
namespace {

TEST(DockedPlaceTest, BesideTheWindowWhereThereIsRoomElseInsideTheViewNarrowedToIt) {
    const QRect wide(0, 0, 1600, 1000);
    const QRect narrow(0, 0, 1024, 768);
    // A box 240 x 245 that gets a pixel taller for every pixel it is narrowed, 200 at its
    // narrowest; the window's frame 729 x 530; the gap beside it 8.
    const DockedSize box{{240, 245}, 200, [](int width) { return 245 + (240 - width); }};
    struct Row {
        const char* Case;
        QRect Screen;
        QPoint Window;
        QRect Inside;
        std::optional<QPoint> Offset;
        QRect Expected;
    };
    const QRect view(160, 240, 300, 357);  // bottom edge 596
    const std::vector<Row> table = {
        {"room right", wide, {100, 50}, view, {}, {837, 50, 240, 245}},
        {"room right, just", wide, {623, 50}, view, {}, {1360, 50, 240, 245}},
        {"room left only", wide, {624, 50}, view, {}, {376, 50, 240, 245}},
        {"no room: the view's bottom left", narrow, {148, 100}, view, {}, {160, 352, 240, 245}},
        {"no room, the view narrower than the box", narrow, {148, 100}, {160, 240, 220, 357}, {}, {160, 332, 220, 265}},
        {"no room, the view narrower than the narrowest box",
         narrow,
         {148, 100},
         {160, 240, 190, 357},
         {},
         {160, 312, 200, 285}},
        {"no room, the view lower than the box", narrow, {148, 100}, {160, 240, 300, 200}, {}, {160, 240, 240, 245}},
        {"moved by the user, room or not", wide, {100, 50}, view, QPoint(30, -40), {130, 10, 240, 245}},
    };
    for (const Row& row : table) {
        EXPECT_EQ(DockedPlace(QRect(row.Window, QSize(729, 530)), box, row.Screen, row.Inside, row.Offset),
                  row.Expected)
            << row.Case;
    }
}

}  // namespace
}  // namespace mosalind
