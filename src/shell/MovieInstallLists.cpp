#include "shell/MovieInstallLists.h"

#include <cstdio>

namespace {

// Stems of the table movies; each scene n has "Rn:" + stem + "Rn.sor".
const char* const kTableStems[] = {"AsS3P1", "AsS3P2", "AsS3P3", "AsS3P6", "Au3Pe",
                                   "Aus3P1", "Aus3P2", "Aus3P3", "Aus3P6", "Kop1Pe",
                                   "Kop3Pe", "MiHerr", "Red1Pe", "Red3Pe"};

// The figure movies of the four-person table, in list order: stem and the suffix between the
// scene tag and ".sor". Scene 1 adds the two movies of the human's own figure.
struct FigureName {
    const char* stem;
    const char* suffix;
};
const FigureName kFigureNames[] = {
    {"Au1Pe", "D"}, {"Au2Pe", "D"}, {"Aus1P1", ""}, {"Aus1P2", ""}, {"Aus1P3", ""}, {"Aus1P6", ""},
    {"Aus2P1", ""}, {"Aus2P2", ""}, {"Aus2P3", ""}, {"Aus2P6", ""}, {"Kop2Pe", ""}, {"MiLDa", ""},
    {"MiRDa", ""},  {"Red2Pe", ""}, {"Ve1Pe", "D"}, {"Ve2Pe", "D"}, {"Ve3Pe", "D"},
};

const char* const kTopLevelMovies[] = {
    "AusgeschiedenMovieEng.sor",
    "FeiglingMovieEng.sor",
    "HarryMovieEng.sor",
    "TrinkenMovieEng.sor",
    "PleiteMovieEng.sor",
    "AusgeschiedenMovie.sor",
    "faust.sor",
    "FeiglingMovie.sor",
    "HarryMovie.sor",
    "Kopfsch\xFCtteln.sor",
    "PleiteMovie.sor",
    "TrinkenMovie.sor",
};
const char* const kFoyerSizes[] = {"G1016", "G636", "G792"};
const char* const kFoyerMovies[] = {"Katze.sor", "Reden Ende.sor", "Reden.sor", "Schauen.sor",
                                    "Skelett.sor"};

inline constexpr int kListCount = 5;
inline constexpr int kLongestList = 85;

struct Lists {
    MovieEntry entries[kListCount][kLongestList] = {};
    int counts[kListCount] = {};

    template <typename... Args> void Add(MovieList list, const char* format, Args... args) {
        int which = static_cast<int>(list);
        std::snprintf(entries[which][counts[which]++], kMovieEntrySize, format, args...);
    }

    void AddTableScene(MovieList list, int scene) {
        for (const char* stem : kTableStems)
            Add(list, "R%d:%sR%d.sor", scene, stem, scene);
    }

    void AddFigure(MovieList list, int scene, const FigureName& figure) {
        Add(list, "R%d:%sR%d%s.sor", scene, figure.stem, scene, figure.suffix);
    }

    Lists() {
        AddTableScene(MovieList::SceneOneTable, 1);

        const MovieList figures = MovieList::SceneOneFigures;
        AddFigure(figures, 1, kFigureNames[0]);
        AddFigure(figures, 1, kFigureNames[1]);
        Add(figures, "%s", "R1:AuIchRA.sor");
        for (int i = 2; i < 17; ++i)
            AddFigure(figures, 1, kFigureNames[i]);
        Add(figures, "%s", "R1:VeIchRAD.sor");

        for (const char* name : kTopLevelMovies)
            Add(MovieList::TopLevel, "%s", name);
        for (const char* size : kFoyerSizes) {
            for (const char* name : kFoyerMovies)
                Add(MovieList::TopLevel, "Vorraum:%s:%s", size, name);
        }
        for (int scene = 2; scene <= 6; ++scene)
            AddTableScene(MovieList::OtherScenesTable, scene);
        for (int scene = 2; scene <= 6; ++scene) {
            for (const FigureName& figure : kFigureNames)
                AddFigure(MovieList::OtherScenesFigures, scene, figure);
        }
    }
};

const Lists& AllLists() {
    static const Lists lists;
    return lists;
}

} // namespace

const MovieEntry* MovieListEntries(MovieList list) {
    return AllLists().entries[static_cast<int>(list)];
}

int MovieListCount(MovieList list) {
    return AllLists().counts[static_cast<int>(list)];
}
