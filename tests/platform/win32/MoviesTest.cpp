// The movie layer plays generated clips (tools/make_test_movies.py) into a visible window on
// a replaced millisecond clock; what it drew is read back from the window.
#include "platform/win32/Movies.h"

#include <gtest/gtest.h>

#include <string>

#include "ToolboxTestWindows.h"
#include "platform/Ticks.h"
#include "platform/win32/Ports.h"
#include "support/AlertRecorder.h"

namespace {

// The generator's frame colours: colours.sor frames 0-3 at 10 frames a second, slow.sor
// frames 0-1 at 5; every frame has a white 4 x 4 top-left corner.
const COLORREF kFrame[] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255), RGB(255, 255, 0)};
const COLORREF kSlowFrame[] = {RGB(0, 255, 255), RGB(255, 0, 255)};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBackground = RGB(40, 40, 40);
constexpr std::uint32_t kStartMs = 100000; // tick 6000

std::string MoviePath(const char* name) {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1) + "movies\\" + name;
}

// One visible window for every test: closing a visible window is slow under Wine.
HWND MovieWindow() {
    static HWND window = MakeTestWindow(240, 80, 20, 20, WS_VISIBLE);
    return window;
}

class MoviesTest : public testing::Test {
  protected:
    void SetUp() override {
        ToolboxMainWindow();
        SetMillisecondClock([this] { return now; });
        ASSERT_TRUE(StartQuickTime());
        SetPort(MovieWindow());
        Erase();
    }
    void TearDown() override {
        StopQuickTime();
        SetMillisecondClock({});
        EXPECT_EQ(LiveMovieCount(), 0);
    }
    void Erase() {
        HDC dc = GetDC(MovieWindow());
        RECT all = {0, 0, 240, 80};
        HBRUSH brush = CreateSolidBrush(kBackground);
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        ReleaseDC(MovieWindow(), dc);
    }
    COLORREF Pixel(int x, int y) {
        HDC dc = GetDC(MovieWindow());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(MovieWindow(), dc);
        return colour;
    }
    // The caller's order: the file is closed before the movie plays.
    int Open(const char* name, Movie* movie) {
        MovieFileSpec spec;
        int code = MakeFileSpec(MoviePath(name).c_str(), &spec, 0);
        if (code)
            return code;
        MovieFile file = 0;
        if ((code = OpenMovieFile(&spec, &file, 1)))
            return code;
        std::int16_t resource = 0;
        bool changed = false;
        code = NewMovieFromFile(movie, file, &resource, nullptr, 1, &changed);
        EXPECT_EQ(CloseMovieFile(file), 0);
        return code;
    }
    Movie Play(const char* name, RECT box) {
        Movie movie = 0;
        EXPECT_EQ(Open(name, &movie), 0) << name;
        EXPECT_EQ(SetMovieBox(movie, &box), 0);
        EXPECT_EQ(SetMovieRate(movie, kMovieRateNormal), 0);
        EXPECT_EQ(StopMovie(movie), 0);
        EXPECT_EQ(GoToBeginningOfMovie(movie), 0);
        EXPECT_EQ(StartMovie(movie), 0);
        return movie;
    }
    std::int32_t Time(Movie movie) {
        std::int32_t time = -1;
        EXPECT_EQ(GetMovieTime(movie, &time), 0);
        return time;
    }
    std::uint32_t now = kStartMs;
};

TEST_F(MoviesTest, FramesFollowTheTickClockAndEndExactlyAtTheLength) {
    Movie movie = Play("colours.sor", RECT{10, 20, 50, 50});
    RECT box{};
    ASSERT_EQ(GetMovieBox(movie, &box), 0);
    EXPECT_EQ(box.right - box.left, 40);
    EXPECT_EQ(box.bottom - box.top, 30);
    // Ticks come in threes every 50 ms; movie time is ten units a tick, 60 units a frame.
    struct Case {
        std::uint32_t ms;
        std::int32_t time;
        int frame;
        int done;
    } cases[] = {{0, 0, 0, 0},     {49, 0, 0, 0},    {50, 30, 0, 0},   {100, 60, 1, 0},
                 {150, 90, 1, 0},  {200, 120, 2, 0}, {350, 210, 3, 0}, {399, 210, 3, 0},
                 {400, 240, 3, 1}, {900, 240, 3, 1}};
    for (const Case& c : cases) {
        now = kStartMs + c.ms;
        EXPECT_EQ(MoviesTask(movie, 0), 0);
        EXPECT_EQ(Time(movie), c.time) << c.ms;
        EXPECT_EQ(IsMovieDone(movie), c.done) << c.ms;
        EXPECT_EQ(Pixel(30, 40), kFrame[c.frame]) << c.ms;
        EXPECT_EQ(Pixel(11, 21), kWhite) << "drawn upright at " << c.ms;
        EXPECT_EQ(Pixel(49, 49), kFrame[c.frame]);
        EXPECT_EQ(Pixel(9, 20), kBackground) << "nothing outside the box";
        EXPECT_EQ(Pixel(50, 50), kBackground);
    }
    EXPECT_EQ(DisposeMovie(movie), 0);
}

TEST_F(MoviesTest, StopHoldsRewindGoesToFrameZeroAndRateZeroHolds) {
    Movie movie = Play("colours.sor", RECT{0, 0, 40, 30});
    now += 150; // 9 ticks
    EXPECT_EQ(StopMovie(movie), 0);
    now += 500;
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Time(movie), 90);
    EXPECT_EQ(Pixel(20, 20), kFrame[1]);
    EXPECT_EQ(IsMovieDone(movie), 0);

    EXPECT_EQ(GoToBeginningOfMovie(movie), 0);
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Time(movie), 0);
    EXPECT_EQ(Pixel(20, 20), kFrame[0]);

    EXPECT_EQ(StartMovie(movie), 0);
    now += 100;
    EXPECT_EQ(Time(movie), 60) << "playing on from the beginning";
    EXPECT_EQ(SetMovieRate(movie, 0), 0);
    now += 1000;
    EXPECT_EQ(Time(movie), 60);
    EXPECT_EQ(SetMovieRate(movie, -kMovieRateNormal), kMovieBadRate);
    EXPECT_EQ(SetMovieRate(movie, 2 * kMovieRateNormal), 0);
    now += 50;
    EXPECT_EQ(Time(movie), 120) << "twice as fast: 20 units a tick";
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Pixel(20, 20), kFrame[2]);
    EXPECT_EQ(DisposeMovie(movie), 0);
}

TEST_F(MoviesTest, TwoClipsPlaySideBySide) {
    Movie colours = Play("colours.sor", RECT{0, 0, 40, 30});
    Movie slow = Play("slow.sor", RECT{100, 10, 120, 20});
    for (std::uint32_t ms : {0u, 200u, 250u}) {
        now = kStartMs + ms;
        EXPECT_EQ(MoviesTask(colours, 0), 0);
        EXPECT_EQ(MoviesTask(slow, 0), 0);
        const int ticks = static_cast<int>(ms / 50 * 3);
        EXPECT_EQ(Pixel(20, 20), kFrame[ticks / 6]) << ms;
        EXPECT_EQ(Pixel(110, 15), kSlowFrame[ticks / 12]) << ms;
        EXPECT_EQ(Pixel(101, 11), kWhite);
        EXPECT_EQ(Pixel(70, 15), kBackground);
    }
    EXPECT_EQ(IsMovieDone(slow), 0) << "the slow clip runs 400 ms";
    now = kStartMs + 400;
    EXPECT_EQ(IsMovieDone(slow), 1);
    EXPECT_EQ(IsMovieDone(colours), 1);
}

TEST_F(MoviesTest, TypeTwoClipLeavesTheWindowInItsCorner) {
    Movie movie = Play("colours.sor", RECT{0, 0, 40, 30});
    // Small cards: the clip keeps x >= 10, and below 70 % of the height (y >= 21) all of it.
    EXPECT_EQ(SetMovieClipShape(movie, 2, 2, 1), 0);
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Pixel(1, 1), kBackground) << "the white corner is clipped away";
    EXPECT_EQ(Pixel(9, 20), kBackground);
    EXPECT_EQ(Pixel(10, 0), kFrame[0]);
    EXPECT_EQ(Pixel(0, 21), kFrame[0]);
    EXPECT_EQ(Pixel(39, 29), kFrame[0]);
    EXPECT_EQ(DisposeMovie(movie), 0);
}

TEST_F(MoviesTest, DetachedOrDestroyedWindowsGetNoMoreFrames) {
    Movie movie = Play("colours.sor", RECT{0, 0, 40, 30});
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Pixel(20, 20), kFrame[0]) << "drawn after the file was closed";
    DetachMovieWindow(MovieWindow());
    Erase();
    now += 100;
    EXPECT_EQ(MoviesTask(movie, 0), 0);
    EXPECT_EQ(Pixel(20, 20), kBackground);
    EXPECT_EQ(IsMovieDone(movie), 1);
    EXPECT_EQ(DisposeMovie(movie), 0);

    HWND other = MakeTestWindow(50, 50);
    SetPort(other);
    Movie orphan = Play("colours.sor", RECT{0, 0, 40, 30});
    EXPECT_EQ(IsMovieDone(orphan), 0);
    DestroyWindow(other);
    EXPECT_EQ(IsMovieDone(orphan), 1);
    EXPECT_EQ(MoviesTask(orphan, 0), 0);
    EXPECT_EQ(DisposeMovie(orphan), 0);
    SetPort(MovieWindow());
}

TEST_F(MoviesTest, BadFilesGiveACodeAndNoMovie) {
    struct Case {
        const char* name;
        int code;
    } cases[] = {{"missing.sor", kMovieMissing},   {"cut.sor", kMovieDamaged},
                 {"empty.sor", kMovieDamaged},     {"nomovie.sor", kMovieDamaged},
                 {"codec.sor", kMovieNotPlayable}, {"", kMovieMissing}};
    for (const Case& c : cases) {
        Movie movie = 77;
        EXPECT_EQ(Open(c.name, &movie), c.code) << c.name;
        // Files refused at opening never reach the movie; a movie refused is set to none.
        if (c.code == kMovieNotPlayable) {
            EXPECT_EQ(movie, 0u) << c.name;
        }
    }
    EXPECT_EQ(LiveMovieCount(), 0);

    MovieFileSpec spec;
    EXPECT_EQ(MakeFileSpec(std::string(MAX_PATH, 'a').c_str(), &spec, 0), kMoviePathTooLong);
    EXPECT_EQ(MakeFileSpec(std::string(MAX_PATH - 1, 'a').c_str(), &spec, 0), 0);

    // The current port's window is gone: nothing to bind to.
    HWND gone = MakeTestWindow(10, 10);
    SetPort(gone);
    DestroyWindow(gone);
    Movie movie = 0;
    EXPECT_EQ(Open("colours.sor", &movie), kMovieNoWindow);
    SetPort(MovieWindow());

    StopQuickTime();
    EXPECT_EQ(Open("colours.sor", &movie), kMovieNotStarted);
}

TEST_F(MoviesTest, NullAndDisposedMoviesAnswerACodeAndChangeNothing) {
    Movie movie = Play("colours.sor", RECT{0, 0, 40, 30});
    ASSERT_EQ(DisposeMovie(movie), 0);
    RECT box = {1, 2, 3, 4};
    std::int32_t time = 5;
    for (Movie bad : {Movie{0}, movie}) {
        EXPECT_EQ(DisposeMovie(bad), kMovieUnknown);
        EXPECT_EQ(SetMovieBox(bad, &box), kMovieUnknown);
        EXPECT_EQ(GetMovieBox(bad, &box), kMovieUnknown);
        EXPECT_EQ(SetMovieRate(bad, kMovieRateNormal), kMovieUnknown);
        EXPECT_EQ(GetMovieTime(bad, &time), kMovieUnknown);
        EXPECT_EQ(StartMovie(bad), kMovieUnknown);
        EXPECT_EQ(StopMovie(bad), kMovieUnknown);
        EXPECT_EQ(GoToBeginningOfMovie(bad), kMovieUnknown);
        EXPECT_EQ(MoviesTask(bad, 0), kMovieUnknown);
        EXPECT_EQ(IsMovieDone(bad), kMovieUnknown);
        EXPECT_EQ(SetMovieClipShape(bad, 2, 2, 1), kMovieUnknown);
        EXPECT_EQ(CloseMovieFile(bad), kMovieUnknown);
    }
    EXPECT_EQ(box.left, 1);
    EXPECT_EQ(box.bottom, 4);
    EXPECT_EQ(time, 5);
    EXPECT_EQ(Pixel(20, 20), kBackground) << "nothing was drawn";
}

TEST(MovieBoxTest, RoundTripWithinSixteenBitsAndCutBeyond) {
    const RECT boxes[] = {{0, 0, 0, 0}, {10, 20, 300, 400}, {-32768, -5, 32767, 7}};
    for (const RECT& box : boxes) {
        const RECT back = FromMacRect(ToMacRect(box));
        EXPECT_TRUE(EqualRect(&back, &box)) << box.left << "," << box.top;
    }
    const RECT wide = {40000, 1, 2, 65536 + 9};
    const RECT cut = FromMacRect(ToMacRect(wide));
    EXPECT_EQ(cut.left, -25536);
    EXPECT_EQ(cut.bottom, 9);
    EXPECT_EQ(cut.top, 1);
}

TEST(MovieClipTest, ShapesByTypeKindAndCardSize) {
    // Expected rectangles worked out by hand from the clip rules (left, top, right, bottom).
    struct Case {
        int type, kind, size;
        RECT box;
        int count;
        RECT first, second;
    } cases[] = {
        {2, 2, 1, {0, 0, 200, 100}, 2, {50, 0, 200, 100}, {0, 70, 50, 100}},
        {2, 2, 0, {0, 0, 200, 100}, 2, {90, 0, 200, 100}, {0, 70, 90, 100}},
        {2, 0, 2, {0, 0, 200, 100}, 2, {90, 0, 200, 100}, {0, 70, 90, 100}},
        {2, 2, 1, {13, 7, 120, 60}, 2, {39, 7, 120, 60}, {13, 44, 39, 60}},
        {2, 2, 1, {-100, 0, -50, 10}, 2, {-87, 0, -50, 10}, {-100, 7, -87, 10}},
        {14, 2, 0, {0, 0, 200, 100}, 2, {5, 0, 200, 50}, {0, 50, 200, 100}},
        {14, 1, 1, {10, 11, 50, 22}, 2, {15, 11, 50, 16}, {10, 16, 50, 22}},
        {15, 0, 1, {0, 0, 200, 100}, 2, {0, 0, 97, 12}, {0, 13, 200, 100}},
        {15, 0, 1, {0, 0, 31, 40}, 2, {0, 0, 13, 12}, {0, 13, 31, 40}},
        {15, 2, 1, {0, 0, 200, 100}, 0, {}, {}},
        {15, 0, 0, {0, 0, 200, 100}, 0, {}, {}},
        {24, 2, 1, {0, 0, 200, 100}, 2, {0, 0, 145, 100}, {145, 60, 200, 100}},
        {29, 2, 0, {0, 0, 200, 100}, 2, {0, 0, 100, 100}, {100, 60, 200, 100}},
        {34, 2, 2, {0, 0, 200, 100}, 2, {0, 0, 120, 100}, {120, 60, 200, 100}},
        {39, 2, 3, {0, 0, 200, 101}, 2, {0, 0, 120, 101}, {120, 60, 200, 101}},
        {27, 0, 1, {0, 0, 200, 100}, 0, {}, {}},
        {0, 2, 1, {0, 0, 200, 100}, 0, {}, {}},
        {25, 2, 1, {0, 0, 200, 100}, 0, {}, {}},
    };
    for (const Case& c : cases) {
        RECT rects[2] = {};
        ASSERT_EQ(MovieClipRects(c.type, c.kind, c.size, c.box, rects), c.count) << c.type;
        if (c.count == 0)
            continue;
        EXPECT_TRUE(EqualRect(&rects[0], &c.first))
            << c.type << " size " << c.size << ": " << rects[0].left << "," << rects[0].top << ","
            << rects[0].right << "," << rects[0].bottom;
        EXPECT_TRUE(EqualRect(&rects[1], &c.second))
            << c.type << " size " << c.size << ": " << rects[1].left << "," << rects[1].top << ","
            << rects[1].right << "," << rects[1].bottom;
        RECT overlap;
        EXPECT_FALSE(IntersectRect(&overlap, &rects[0], &rects[1]))
            << "the two parts never overlap";
    }
}

TEST(MovieReportTest, OncePerRunAndCause) {
    InstallAlertRecorder();
    ResetAlertRecorder();
    ResetMovieFailureReports();
    ReportMovieFailure("film\\Reden.sor", kMovieMissing);
    ReportMovieFailure("film\\Katze.sor", kMovieMissing);
    ReportMovieFailure("film\\Katze.sor", kMovieDamaged);
    ReportMovieFailure("film\\faust.sor", kMovieDamaged);
    ReportMovieFailure("film\\faust.sor", kMovieNotPlayable);
    const auto& boxes = RecordedAlerts();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_NE(boxes[0].text.find("film\\Reden.sor"), std::string::npos);
    EXPECT_NE(boxes[1].text.find("film\\Katze.sor"), std::string::npos);
    EXPECT_NE(boxes[2].text.find("film\\faust.sor"), std::string::npos);
    for (const AlertBox& box : boxes)
        EXPECT_NE(box.text.find("goes on without it"), std::string::npos);
    ResetMovieFailureReports();
    ResetAlertRecorder();
}

} // namespace
