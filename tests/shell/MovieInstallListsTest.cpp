// The movie lists of the animation-folder copy: sizes and the names built per scene.
#include "shell/MovieInstallLists.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Entry(MovieList list, int index) {
    return MovieListEntries(list)[index];
}

} // namespace

TEST(MovieInstallLists, HaveTheirSizes) {
    EXPECT_EQ(MovieListCount(MovieList::SceneOneTable), 14);
    EXPECT_EQ(MovieListCount(MovieList::SceneOneFigures), 19);
    EXPECT_EQ(MovieListCount(MovieList::TopLevel), 27);
    EXPECT_EQ(MovieListCount(MovieList::OtherScenesTable), 70);
    EXPECT_EQ(MovieListCount(MovieList::OtherScenesFigures), 85);
}

TEST(MovieInstallLists, NamesCarryTheSceneOnlyInTheSceneTag) {
    struct Case {
        MovieList list;
        int index;
        const char* name;
    };
    const Case cases[] = {
        {MovieList::SceneOneTable, 0, "R1:AsS3P1R1.sor"},
        {MovieList::SceneOneTable, 13, "R1:Red3PeR1.sor"},
        {MovieList::SceneOneFigures, 0, "R1:Au1PeR1D.sor"},
        {MovieList::SceneOneFigures, 2, "R1:AuIchRA.sor"},
        {MovieList::SceneOneFigures, 3, "R1:Aus1P1R1.sor"},
        {MovieList::SceneOneFigures, 18, "R1:VeIchRAD.sor"},
        {MovieList::TopLevel, 0, "AusgeschiedenMovieEng.sor"},
        {MovieList::TopLevel, 9, "Kopfsch\xFCtteln.sor"},
        {MovieList::TopLevel, 12, "Vorraum:G1016:Katze.sor"},
        {MovieList::TopLevel, 26, "Vorraum:G792:Skelett.sor"},
        {MovieList::OtherScenesTable, 9, "R2:Kop1PeR2.sor"},
        {MovieList::OtherScenesTable, 69, "R6:Red3PeR6.sor"},
        {MovieList::OtherScenesFigures, 0, "R2:Au1PeR2D.sor"},
        {MovieList::OtherScenesFigures, 16, "R2:Ve3PeR2D.sor"},
        {MovieList::OtherScenesFigures, 84, "R6:Ve3PeR6D.sor"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Entry(c.list, c.index), c.name) << c.index;
}
