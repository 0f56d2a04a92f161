#include "media/SoundEventMapping.h"

namespace {

int Draw(const SoundDraw& draw, int n) {
    const int r = draw() % n;
    return r < 0 ? r + n : r;
}

bool Even(const SoundDraw& draw) {
    return Draw(draw, 2) == 0;
}

// The pub noises fit the room: glasses and chairs in the bar, murmur and laughter elsewhere.
int AmbienceSound(int scene, const SoundDraw& draw) {
    switch (scene) {
    case 0:
    case 3: {
        static const int kSounds[6] = {1433, 1433, 1434, 1434, 1435, 1430};
        return kSounds[Draw(draw, 6)];
    }
    case 1:
    case 2: {
        static const int kSounds[7] = {1431, 1431, 1435, 1435, 1434, 1430, 1430};
        return kSounds[Draw(draw, 7)];
    }
    case 4: {
        static const int kSounds[6] = {1435, 1435, 1435, 1435, 1432, 1430};
        return kSounds[Draw(draw, 6)];
    }
    default:
        return 1430;
    }
}

int GreetingSound(const SoundDraw& draw, int event) {
    const int r = Draw(draw, 12);
    if (r <= 5)
        return 1410 + r;
    static const int kLater[6] = {1417, 1417, 1418, 1419, 1438, 0};
    return kLater[r - 6] ? kLater[r - 6] : event;
}

int WonSound(const SoundDraw& draw) {
    static const int kSounds[8] = {1404, 1436, 1436, 1436, 1438, 1505, 1505, 1505};
    return kSounds[Draw(draw, 8)];
}

int RemarkSound(const SoundDraw& draw) {
    static const int kSounds[5] = {1400, 1401, 1597, 1597, 1506};
    return kSounds[Draw(draw, 5)];
}

int PassSound(const SoundDraw& draw, bool english) {
    static const int kSounds[9] = {1550, 1561, 1578, 1579, 1580, 1581, 1585, 1516, 1516};
    const int r = Draw(draw, 9);
    if (r == 0 && english)
        return 1561;
    return kSounds[r];
}

int HoldSound(const SoundDraw& draw, int event) {
    static const int kSounds[9] = {1556, 1557, 1562, 1562, 1574, 1586, 1587, 0, 0};
    const int r = Draw(draw, 9);
    const int sound = kSounds[r] ? kSounds[r] : event;
    return sound == 1549 ? 1558 : sound;
}

// Never the same reminder twice in a row: a repeat moves on to the next phrase.
int HurrySound(const SoundDraw& draw, std::int16_t* last) {
    const int previous = last ? *last : -1;
    const int r = Draw(draw, 7);
    int sound = 1599;
    if (r <= 1)
        sound = previous == 1552 ? 1553 : 1552;
    else if (r <= 3)
        sound = previous == 1553 ? 1582 : 1553;
    else if (r <= 5)
        sound = previous == 1582 ? 1599 : 1582;
    if (last)
        *last = static_cast<std::int16_t>(sound);
    return sound;
}

int EitherOf(const SoundDraw& draw, int variant, int event) {
    return Even(draw) ? variant : event;
}

} // namespace

int MapEventToSound(int event, const SoundMapContext& context, const SoundDraw& draw) {
    switch (event) {
    case 1022:
        return EitherOf(draw, 1592, event);
    case 1023:
        return EitherOf(draw, 1593, event);
    case 1024:
        return EitherOf(draw, 1594, event);
    case 1027:
        return EitherOf(draw, 1595, event);
    case 1430:
        return context.roomScene < 0 ? event : AmbienceSound(context.roomScene, draw);
    case 1500:
    case 1508:
    case 1513:
        return GreetingSound(draw, event);
    case 1501:
        return context.extendedCardSounds ? EitherOf(draw, 1422, event) : event;
    case 1503: {
        if (!context.extendedCardSounds)
            return event;
        const int r = Draw(draw, 14);
        return r <= 3 ? 1420 : r <= 12 ? 1421 : event;
    }
    case 1505:
        return WonSound(draw);
    case 1506:
        return RemarkSound(draw);
    case 1510:
        return EitherOf(draw, 1405, event);
    case 1512: {
        const int r = Draw(draw, 3);
        return r == 0 ? 1402 : r == 1 ? 1403 : event;
    }
    case 1515:
        return 1437;
    case 1516:
        return PassSound(draw, context.englishLibrary);
    case 1517:
    case 1549:
        return HoldSound(draw, event);
    case 1533:
        return Draw(draw, 3) == 0 ? 1563 : event;
    case 1565:
        return Draw(draw, 3) == 0 ? 1566 : event;
    case 1599:
        return HurrySound(draw, context.lastHurrySound);
    case 1607:
        return EitherOf(draw, 1606, event);
    case 1633:
        return EitherOf(draw, 1653, event);
    case 1650:
        return EitherOf(draw, 1652, event);
    case 1784:
        return EitherOf(draw, 1785, event);
    default:
        return event;
    }
}
