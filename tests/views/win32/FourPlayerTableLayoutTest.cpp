#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/Fonts.h"
#include "platform/win32/Ports.h"
#include "views/win32/FourTableFixture.h"

namespace {

struct CardSize {
    int w, h;
};

CardSize SetSize(int set) {
    WindowRect r = {0, 0, 0, 0};
    switch (set) {
    case 0:
        gSettings->GetCardSetBounds0(&r);
        break;
    case 2:
        gSettings->GetCardSetBounds2(&r);
        break;
    default:
        gSettings->GetCardSetBounds3(&r);
        break;
    }
    return {r.right - r.left, r.bottom - r.top};
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Meet(const RECT& a, const RECT& b) {
    RECT common;
    return IntersectRect(&common, &a, &b) != FALSE;
}

std::string Text(const RECT& r) {
    return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
           std::to_string(r.right) + "," + std::to_string(r.bottom) + ")";
}

// The own hand, the trick diamond, Put Away and New Deal at the three table sizes, with and
// without full-size own cards, suits left and right.
TEST_F(FourTableTest, LayoutPlacesHandTrickAndButtonsApart) {
    for (int size : {0, 1, 2}) {
        for (bool full : {false, true}) {
            for (bool suitsLeft : {false, true}) {
                UseTableSize(size, full, suitsLeft);
                const std::string what = "size " + std::to_string(size) +
                                         (full ? " full size" : " two rows") +
                                         (suitsLeft ? " suits left" : " suits right");
                RECT bounds, client;
                table_->GetBounds(&bounds);
                GetClientRect(window_, &client);
                const CardSize c0 = SetSize(0);
                if (!full) {
                    // Eight cards: two rows of four, shifted one card to the right.
                    const int x = (size == 0 ? 36 : size == 1 ? 0 : 128) + 1 + c0.w;
                    for (int i = 0; i < 4; ++i) {
                        const int left = x + i * (c0.w + 1), top = bounds.bottom - 2 * c0.h;
                        const RECT upper = {left, top, left + c0.w, top + c0.h};
                        const RECT lower = {left, top + c0.h + 1, left + c0.w, top + 2 * c0.h + 1};
                        EXPECT_TRUE(EqualRect(&table_->ownCardRects[i], &upper))
                            << what << " card " << i << " " << Text(table_->ownCardRects[i]);
                        EXPECT_TRUE(EqualRect(&table_->ownCardRects[i + 4], &lower))
                            << what << " card " << i + 4 << " "
                            << Text(table_->ownCardRects[i + 4]);
                    }
                } else {
                    const CardSize c3 = SetSize(3);
                    const int first = size == 0 ? 5 : size == 1 ? 3 : 10;
                    for (int i = 0; i < 8; ++i) {
                        const int left = first + i * 21;
                        const RECT expected = {left, bounds.bottom - c3.h, left + c3.w,
                                               bounds.bottom};
                        EXPECT_TRUE(EqualRect(&table_->ownCardRects[i], &expected))
                            << what << " card " << i << " " << Text(table_->ownCardRects[i]);
                    }
                }
                // The diamond: place 0 top, 1 left, 2 bottom, 3 right.
                const CardSize c2 = SetSize(2);
                const int origin[3][2] = {{188, 144}, {192, 129}, {285, 280}};
                const int x = origin[size][0], y = origin[size][1];
                const int dx = 3 * c2.w / 2 + 5, dy = (c2.h + 30) / 2, k = size == 0 ? -2 : 0;
                const POINT corners[4] = {{x + dx, y},
                                          {x + 20 + k, y + dy},
                                          {x + dx + k, y + 2 * dy},
                                          {x + 2 * dx - 20 + k, y + dy}};
                for (int place = 0; place < 4; ++place) {
                    const RECT expected = {corners[place].x, corners[place].y,
                                           corners[place].x + c2.w, corners[place].y + c2.h};
                    EXPECT_TRUE(EqualRect(&table_->trickPlaces[place], &expected))
                        << what << " trick place " << place << " "
                        << Text(table_->trickPlaces[place]);
                }
                // Put Away in the status bar's side column at sizes 0 and 2, above the bar at 1.
                controller_.SetOwnHand({1, 2, 3, 4, 5, 6, 7, 8});
                table_->SetPhaseValue(3);
                table_->PlacePutAwayButton();
                const RECT putAway = ItemRect(kPutAwayButton);
                RECT bar;
                {
                    PortScope port(window_);
                    table_->GetStatusBarRect(&bar);
                }
                const int side = table_->GetSideColumnWidth();
                RECT play;
                table_->GetPlayArea(&play);
                EXPECT_EQ(putAway.right, play.right - 3) << what;
                if (size == 1) {
                    EXPECT_EQ(putAway.bottom, play.bottom - 2 - (bar.bottom - bar.top)) << what;
                    EXPECT_LE(putAway.bottom, bar.top) << what << " Put Away " << Text(putAway);
                } else {
                    EXPECT_EQ(putAway.bottom, play.bottom - 2) << what;
                    const RECT column = {bar.right - side, bar.top, bar.right, bar.bottom};
                    EXPECT_TRUE(Inside(putAway, column))
                        << what << " Put Away " << Text(putAway) << " column " << Text(column);
                }
                // What phase 3 shows: inside the client area and apart.
                std::uint8_t cards[kMaxHandCards] = {1, 2, 3, 4, 5, 6, 7, 8};
                {
                    PortScope port(window_);
                    table_->DrawOwnHand(cards);
                }
                std::vector<std::pair<std::string, RECT>> shown;
                for (int i = 0; i < 8; ++i)
                    shown.push_back({"card " + std::to_string(i), table_->ownVisibleRects[i]});
                for (int place = 0; place < 4; ++place)
                    shown.push_back({"trick " + std::to_string(place), table_->trickPlaces[place]});
                shown.push_back(
                    {"status texts", RECT{bar.left, bar.top, bar.right - side, bar.bottom}});
                shown.push_back({"Put Away", putAway});
                for (std::size_t a = 0; a < shown.size(); ++a) {
                    EXPECT_TRUE(Inside(shown[a].second, client))
                        << what << " " << shown[a].first << " " << Text(shown[a].second);
                    for (std::size_t b = a + 1; b < shown.size(); ++b)
                        EXPECT_FALSE(Meet(shown[a].second, shown[b].second))
                            << what << " " << shown[a].first << " " << Text(shown[a].second)
                            << " meets " << shown[b].first << " " << Text(shown[b].second);
                }
                // Game over: New Deal centred on the closing picture, 12 pixels above its bottom.
                table_->SetPhase(4, 0);
                RECT closing;
                table_->CentreAtBottom(table_->closingPicture, &closing);
                const RECT newDeal = ItemRect(kNewDealButton);
                EXPECT_TRUE(IsWindowVisible(GetDlgItem(window_, kNewDealButton))) << what;
                EXPECT_EQ(newDeal.bottom, closing.bottom - 12) << what;
                EXPECT_LE(std::abs((newDeal.left + newDeal.right) - (closing.left + closing.right)),
                          1)
                    << what << " New Deal " << Text(newDeal) << " closing " << Text(closing);
                EXPECT_TRUE(Inside(newDeal, closing)) << what;
                table_->SetPhaseValue(0);
            }
        }
    }
}

// The game count ends 5 pixels plus the side column left of the status bar's right edge.
TEST_F(FourTableTest, GameCountIsRightAlignedInsideTheStatusBar) {
    controller_.gamesDealt = 3;
    for (int size : {0, 1, 2}) {
        UseTableSize(size, false, false);
        RECT bar;
        {
            PortScope port(window_);
            table_->GetStatusBarRect(&bar);
        }
        Surface surface(bar.right + 10, bar.bottom + 10);
        surface.Clear(RGB(255, 255, 255));
        surface.Begin();
        table_->DrawGameCount(8, 20, 0, 0, &controller_);
        surface.End();
        int left = surface.width(), right = -1, top = surface.height(), bottom = -1;
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.At(x, y) != 0xFFFFFF) {
                    left = std::min(left, x), right = std::max(right, x);
                    top = std::min(top, y), bottom = std::max(bottom, y);
                }
        ASSERT_GE(right, 0) << "size " << size << ": no text drawn";
        const int end = bar.right - 5 - table_->GetSideColumnWidth();
        EXPECT_LE(right, end) << "size " << size;
        EXPECT_GE(right, end - 3) << "size " << size;
        EXPECT_GE(left, bar.left) << "size " << size;
        EXPECT_GE(top, bar.top) << "size " << size;
        EXPECT_LT(bottom, bar.bottom) << "size " << size;
        // "3. Games of 20" is wider than "3. Games".
        {
            PortScope port(window_);
            table_->UseSmallTextStyle();
            EXPECT_NEAR(right - left + 1, StringWidth("3. Games of 20"), 4) << "size " << size;
            EXPECT_GT(right - left + 1, StringWidth("3. Games") + 10) << "size " << size;
        }
    }
}

} // namespace
