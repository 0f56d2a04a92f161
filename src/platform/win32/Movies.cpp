// Clips are read whole when a movie is made: every frame is taken from the AVI file
// service once and kept as a packed bitmap, so that the file can be closed at once and
// drawing needs nothing but the window. Movie and file values are serial numbers, never
// reused, so that a value kept after its dispose is recognised instead of followed.
#include "platform/win32/Movies.h"

#include <vfw.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <new>
#include <set>
#include <vector>

#include "platform/Alerts.h"
#include "platform/Ticks.h"
#include "platform/win32/Palette.h"
#include "platform/win32/Ports.h"

namespace {

// The AVI file handler of the system, named so that a clip's ending does not matter.
const CLSID kAviFileHandler = {0x00020000, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct MovieData {
    HWND window = nullptr;
    bool detached = false;
    MacRect box = {};
    std::vector<std::vector<std::uint8_t>> frames; // packed bitmaps: header, colours, bits
    std::uint32_t fileRate = 1;                    // frames per fileScale seconds
    std::uint32_t fileScale = 1;
    std::int32_t length = 0; // in movie time units
    std::int32_t rate = kMovieRateNormal;
    bool playing = false;
    std::int64_t baseTime = 0; // the time when the clock was last read into it
    std::uint32_t baseTick = 0;
    int clipCount = 0;
    RECT clip[2] = {};
};

bool gStarted = false;
std::uint32_t gNextValue = 1;
std::map<Movie, std::unique_ptr<MovieData>> gMovies;
std::map<MovieFile, PAVIFILE> gFiles;
std::set<int> gReportedCauses;

MovieData* FindMovie(Movie movie) {
    auto found = gMovies.find(movie);
    return found == gMovies.end() ? nullptr : found->second.get();
}

std::int64_t CurrentTime(const MovieData& data) {
    std::int64_t time = data.baseTime;
    if (data.playing) {
        const std::uint32_t ticks = TickCount() - data.baseTick;
        time += static_cast<std::int64_t>(ticks) * 10 * data.rate / kMovieRateNormal;
    }
    return std::min<std::int64_t>(time, data.length);
}

// Reads the clock into the base time, so that the rate or the play state may change.
void Settle(MovieData& data) {
    data.baseTime = CurrentTime(data);
    data.baseTick = TickCount();
}

int DueFrame(const MovieData& data) {
    const std::int64_t index =
        CurrentTime(data) * data.fileRate / (kMovieTimeScale * std::int64_t{data.fileScale});
    return static_cast<int>(
        std::clamp<std::int64_t>(index, 0, static_cast<std::int64_t>(data.frames.size()) - 1));
}

bool Live(const MovieData& data) {
    return !data.detached && IsWindow(data.window);
}

// A cut or foreign file is refused before the AVI file service reads it: the service takes
// the file's own length fields on trust.
bool WholeAviFile(const char* path) {
    HANDLE file =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    LARGE_INTEGER size{};
    bool whole = GetFileSizeEx(file, &size) && size.QuadPart >= 12;
    char header[12] = {};
    DWORD got = 0;
    whole = whole && ReadFile(file, header, 12, &got, nullptr) && got == 12 &&
            std::memcmp(header, "RIFF", 4) == 0 && std::memcmp(header + 8, "AVI ", 4) == 0;
    std::uint32_t riffSize = 0;
    std::memcpy(&riffSize, header + 4, 4);
    const std::int64_t end = std::int64_t{riffSize} + 8;
    whole = whole && end <= size.QuadPart;
    // Every chunk at the top level lies within the file.
    std::int64_t offset = 12;
    while (whole && offset + 8 <= end) {
        LARGE_INTEGER at{};
        at.QuadPart = offset;
        char chunk[8];
        whole = SetFilePointerEx(file, at, nullptr, FILE_BEGIN) &&
                ReadFile(file, chunk, 8, &got, nullptr) && got == 8;
        std::uint32_t chunkSize = 0;
        std::memcpy(&chunkSize, chunk + 4, 4);
        offset += 8 + std::int64_t{chunkSize} + (chunkSize & 1);
        whole = whole && offset - (chunkSize & 1) <= end;
    }
    CloseHandle(file);
    return whole;
}

std::size_t ColourBytes(const BITMAPINFOHEADER& header) {
    std::size_t colours = header.biClrUsed;
    if (colours == 0 && header.biBitCount <= 8)
        colours = std::size_t{1} << header.biBitCount;
    if (header.biCompression == BI_BITFIELDS)
        colours = 3;
    return colours * sizeof(RGBQUAD);
}

std::size_t ImageBytes(const BITMAPINFOHEADER& header) {
    if (header.biSizeImage != 0 && header.biCompression != BI_RGB)
        return header.biSizeImage;
    const std::size_t stride = (std::size_t(header.biWidth) * header.biBitCount + 31) / 32 * 4;
    return stride * static_cast<std::size_t>(std::abs(header.biHeight));
}

std::size_t PackedSize(const BITMAPINFOHEADER& header) {
    return header.biSize + ColourBytes(header) + ImageBytes(header);
}

// Reads every frame of the file's first video stream.
int ReadFrames(PAVIFILE file, MovieData& data) {
    PAVISTREAM stream = nullptr;
    if (AVIFileGetStream(file, &stream, streamtypeVIDEO, 0) != 0 || !stream)
        return kMovieNotPlayable;
    AVISTREAMINFOA info{};
    int code = 0;
    if (AVIStreamInfoA(stream, &info, sizeof info) != 0 || info.dwLength == 0 || info.dwRate == 0 ||
        info.dwScale == 0) {
        code = kMovieDamaged;
    }
    PGETFRAME frames = code ? nullptr : AVIStreamGetFrameOpen(stream, nullptr);
    if (!code && !frames)
        code = kMovieNotPlayable;
    try {
        for (DWORD i = 0; !code && i < info.dwLength; ++i) {
            const auto* header = static_cast<const BITMAPINFOHEADER*>(
                AVIStreamGetFrame(frames, LONG(info.dwStart + i)));
            if (!header || header->biWidth <= 0 || header->biHeight == 0) {
                code = kMovieDamaged;
                break;
            }
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(header);
            data.frames.emplace_back(bytes, bytes + PackedSize(*header));
        }
    } catch (const std::bad_alloc&) {
        code = kMovieNoMemory;
    }
    if (frames)
        AVIStreamGetFrameClose(frames);
    AVIStreamRelease(stream);
    if (code)
        return code;
    data.fileRate = info.dwRate;
    data.fileScale = info.dwScale;
    const std::int64_t units = std::int64_t{kMovieTimeScale} * info.dwScale * info.dwLength;
    data.length = static_cast<std::int32_t>((units + info.dwRate - 1) / info.dwRate);
    const auto* first = reinterpret_cast<const BITMAPINFOHEADER*>(data.frames.front().data());
    data.box = ToMacRect(RECT{0, 0, first->biWidth, std::abs(first->biHeight)});
    return 0;
}

void DrawFrame(MovieData& data, int index) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(data.frames[index].data());
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const std::uint8_t* bits = data.frames[index].data() + header.biSize + ColourBytes(header);
    const RECT box = FromMacRect(data.box);
    HDC dc = GetDC(data.window);
    if (!dc)
        return;
    const int saved = SaveDC(dc);
    UsePalette(dc);
    HRGN region = CreateRectRgn(box.left, box.top, box.right, box.bottom);
    if (data.clipCount == 2) {
        HRGN shape = CreateRectRgn(data.clip[0].left, data.clip[0].top, data.clip[0].right,
                                   data.clip[0].bottom);
        HRGN second = CreateRectRgn(data.clip[1].left, data.clip[1].top, data.clip[1].right,
                                    data.clip[1].bottom);
        CombineRgn(shape, shape, second, RGN_OR);
        CombineRgn(region, region, shape, RGN_AND);
        DeleteObject(second);
        DeleteObject(shape);
    }
    SelectClipRgn(dc, region);
    DeleteObject(region);
    const DWORD height = static_cast<DWORD>(std::abs(header.biHeight));
    SetDIBitsToDevice(dc, box.left, box.top, static_cast<DWORD>(header.biWidth), height, 0, 0, 0,
                      height, bits, info, DIB_RGB_COLORS);
    RestoreDC(dc, saved);
    ReleaseDC(data.window, dc);
}

} // namespace

MacRect ToMacRect(const RECT& rect) {
    return MacRect{static_cast<std::int16_t>(rect.top), static_cast<std::int16_t>(rect.left),
                   static_cast<std::int16_t>(rect.bottom), static_cast<std::int16_t>(rect.right)};
}

RECT FromMacRect(const MacRect& rect) {
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

bool StartQuickTime() {
    if (!gStarted) {
        AVIFileInit();
        gStarted = true;
    }
    return true;
}

void StopQuickTime() {
    if (!gStarted)
        return;
    gMovies.clear();
    for (auto& [value, file] : gFiles)
        AVIFileRelease(file);
    gFiles.clear();
    AVIFileExit();
    gStarted = false;
}

int MakeFileSpec(const char* path, MovieFileSpec* spec, int) {
    if (!path || !spec)
        return kMovieMissing;
    const std::size_t length = std::strlen(path);
    if (length >= sizeof spec->path)
        return kMoviePathTooLong;
    std::memcpy(spec->path, path, length + 1);
    return 0;
}

int OpenMovieFile(const MovieFileSpec* spec, MovieFile* file, int) {
    if (file)
        *file = 0;
    if (!spec || !file)
        return kMovieUnknown;
    if (!gStarted)
        return kMovieNotStarted;
    const DWORD attributes = GetFileAttributesA(spec->path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return kMovieMissing;
    if (!WholeAviFile(spec->path))
        return kMovieDamaged;
    PAVIFILE opened = nullptr;
    CLSID handler = kAviFileHandler;
    if (AVIFileOpenA(&opened, spec->path, OF_READ | OF_SHARE_DENY_WRITE, &handler) != 0 ||
        !opened) {
        return kMovieDamaged;
    }
    *file = gNextValue++;
    gFiles[*file] = opened;
    return 0;
}

int NewMovieFromFile(Movie* movie, MovieFile file, std::int16_t*, const char*, int, bool* changed) {
    if (movie)
        *movie = 0;
    if (changed)
        *changed = false;
    auto found = gFiles.find(file);
    if (!movie || found == gFiles.end())
        return kMovieUnknown;
    HWND window = gPortWindow;
    if (!window || !IsWindow(window))
        return kMovieNoWindow;
    auto data = std::unique_ptr<MovieData>(new (std::nothrow) MovieData);
    if (!data)
        return kMovieNoMemory;
    data->window = window;
    if (const int code = ReadFrames(found->second, *data))
        return code;
    data->baseTick = TickCount();
    *movie = gNextValue++;
    gMovies[*movie] = std::move(data);
    return 0;
}

int CloseMovieFile(MovieFile file) {
    auto found = gFiles.find(file);
    if (found == gFiles.end())
        return kMovieUnknown;
    AVIFileRelease(found->second);
    gFiles.erase(found);
    return 0;
}

int DisposeMovie(Movie movie) {
    return gMovies.erase(movie) ? 0 : kMovieUnknown;
}

int SetMovieBox(Movie movie, const RECT* box) {
    MovieData* data = FindMovie(movie);
    if (!data || !box)
        return kMovieUnknown;
    data->box = ToMacRect(*box);
    return 0;
}

int GetMovieBox(Movie movie, RECT* box) {
    MovieData* data = FindMovie(movie);
    if (!data || !box)
        return kMovieUnknown;
    *box = FromMacRect(data->box);
    return 0;
}

int SetMovieRate(Movie movie, std::int32_t rate) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    if (rate < 0)
        return kMovieBadRate;
    Settle(*data);
    data->rate = rate;
    return 0;
}

int GetMovieTime(Movie movie, std::int32_t* time) {
    MovieData* data = FindMovie(movie);
    if (!data || !time)
        return kMovieUnknown;
    *time = static_cast<std::int32_t>(CurrentTime(*data));
    return 0;
}

int StartMovie(Movie movie) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    if (!data->playing) {
        Settle(*data);
        data->playing = true;
    }
    return 0;
}

int StopMovie(Movie movie) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    Settle(*data);
    data->playing = false;
    return 0;
}

int GoToBeginningOfMovie(Movie movie) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    data->baseTime = 0;
    data->baseTick = TickCount();
    return 0;
}

int MoviesTask(Movie movie, std::int32_t) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    if (Live(*data))
        DrawFrame(*data, DueFrame(*data));
    return 0;
}

int IsMovieDone(Movie movie) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    return !Live(*data) || CurrentTime(*data) >= data->length ? 1 : 0;
}

void* AttachMovieWindow(HWND window, int, int) {
    SetPort(window);
    return window;
}

void DetachMovieWindow(void* port) {
    if (!port)
        return;
    for (auto& [value, data] : gMovies) {
        if (data->window == static_cast<HWND>(port))
            data->detached = true;
    }
}

int MovieClipRects(int movieType, int gameKind, int baseCardSize, const RECT& box, RECT rects[2]) {
    const int top = box.top;
    const int left = box.left;
    const int bottom = box.bottom;
    const int right = box.right;
    const int w = right - left;
    const int h = bottom - top;
    switch (movieType) {
    case 2: {
        const double share = baseCardSize == 1 ? 0.25 : 0.45;
        const int s = static_cast<int>(left + share * w);
        rects[0] = RECT{s, top, right, bottom};
        rects[1] = RECT{left, top + static_cast<int>(0.7 * h), s, bottom};
        return 2;
    }
    case 14:
        rects[0] = RECT{left + 5, top, right, top + h / 2};
        rects[1] = RECT{left, top + h / 2, right, bottom};
        return 2;
    case 15:
        if (gameKind != 0 || baseCardSize != 1)
            return 0;
        rects[0] = RECT{left, top, right - (w / 2 + 3), top + 12};
        rects[1] = RECT{left, top + 13, right, bottom};
        return 2;
    case 24:
    case 29:
    case 34:
    case 39: {
        const int d = baseCardSize == 1 ? 55 : baseCardSize == 0 ? 100 : 80;
        rects[0] = RECT{left, top, right - d, bottom};
        rects[1] = RECT{right - d, top + h / 2 + 10, right, bottom};
        return 2;
    }
    default:
        return 0;
    }
}

int SetMovieClipShape(Movie movie, int movieType, int gameKind, int baseCardSize) {
    MovieData* data = FindMovie(movie);
    if (!data)
        return kMovieUnknown;
    data->clipCount =
        MovieClipRects(movieType, gameKind, baseCardSize, FromMacRect(data->box), data->clip);
    return 0;
}

void ReportMovieFailure(const char* path, int code) {
    if (!gReportedCauses.insert(code).second)
        return;
    const char* cause = "it cannot be played";
    switch (code) {
    case kMovieMissing:
        cause = "it is missing";
        break;
    case kMovieDamaged:
        cause = "it is damaged or no movie";
        break;
    case kMovieNotPlayable:
        cause = "its pictures cannot be read";
        break;
    case kMoviePathTooLong:
        cause = "its path is too long";
        break;
    case kMovieNoMemory:
        cause = "there is not enough memory";
        break;
    default:
        break;
    }
    char text[MAX_PATH + 160];
    std::snprintf(text, sizeof text,
                  "The movie \"%.*s\" cannot be shown: %s. The program goes on without it.",
                  MAX_PATH, path ? path : "", cause);
    ShowTextBox(nullptr, "Note", text, kBoxOk | kBoxIconInformation);
}

void ResetMovieFailureReports() {
    gReportedCauses.clear();
}

int LiveMovieCount() {
    return static_cast<int>(gMovies.size());
}
