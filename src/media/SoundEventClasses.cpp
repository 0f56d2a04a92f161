#include "media/SoundEventClasses.h"

namespace {

struct Range {
    int first;
    int last;
};

template <int N> bool InRanges(int event, const Range (&ranges)[N]) {
    for (const Range& range : ranges) {
        if (event >= range.first && event <= range.last)
            return true;
    }
    return false;
}

SoundEventRule Plain(int soundClass, int pauseTicks) {
    SoundEventRule rule;
    rule.soundClass = soundClass;
    rule.pauseTicks = pauseTicks;
    return rule;
}

SoundEventRule Announcement(int pauseTicks) {
    SoundEventRule rule = Plain(kCallSoundClass, pauseTicks);
    rule.leadIn = true;
    return rule;
}

// The spoken announcements rest longer the longer their phrase is.
bool AnnouncementRule(int event, SoundEventRule* rule) {
    static const Range kPause50[] = {{1526, 1529}, {1532, 1533}, {1704, 1705}};
    static const Range kPause80[] = {{1607, 1616}, {1633, 1633}, {1637, 1637},
                                     {1639, 1639}, {1642, 1643}, {1752, 1753}};
    static const Range kPause120[] = {{1617, 1632}, {1634, 1636}, {1638, 1638},
                                      {1644, 1647}, {1654, 1661}, {1754, 1765}};
    static const Range kPause115[] = {{1707, 1716}, {1738, 1739}};
    static const Range kPause180[] = {{1717, 1737}, {1740, 1751}};
    if (event >= 1518 && event <= 1521) {
        *rule = Announcement(40);
        rule->suitNameShift = true;
    } else if (InRanges(event, kPause50)) {
        *rule = Announcement(50);
    } else if (InRanges(event, kPause80)) {
        *rule = Announcement(80);
    } else if (InRanges(event, kPause120)) {
        *rule = Announcement(120);
    } else if (InRanges(event, kPause115)) {
        *rule = Announcement(115);
    } else if (InRanges(event, kPause180)) {
        *rule = Announcement(180);
    } else {
        return false;
    }
    return true;
}

} // namespace

SoundEventRule SoundEventRuleOf(int event) {
    SoundEventRule rule;
    switch (event) {
    case 1500:
        return Plain(kGreetingSoundClass, 0);
    case 1501:
        rule = Plain(kShuffleSoundClass, 120);
        rule.waitBefore = SoundWait::Shuffle;
        return rule;
    case 1502:
    case 1506:
    case 1515:
        return Plain(kSayingSoundClass, 40);
    case 1503:
        rule = Plain(kCardSoundClass, 0);
        rule.waitBefore = SoundWait::Card;
        rule.playToEnd = true;
        return rule;
    case 1504:
        return Plain(kLostSoundClass, 0);
    case 1505:
        return Plain(kWonSoundClass, 0);
    case 1507:
    case 1511:
    case 1512:
        return Plain(kFunSoundClass, 120);
    case 1508:
    case 1513:
        return Plain(10, 0);
    case 1509:
        return Plain(kBeginPlaySoundClass, 30);
    case 1510:
        return Plain(11, 0);
    case 1514:
        return Plain(kSayingSoundClass, 80);
    case 1430:
    case 1599:
        return Plain(kSayingSoundClass, 0);
    case 1565:
    case 1566:
        return Plain(kCallSoundClass, 0);
    default:
        break;
    }
    if (AnnouncementRule(event, &rule))
        return rule;
    return Plain(kCallSoundClass, -1);
}

int PauseOfSoundClass(int currentClass) {
    if (currentClass < 1500)
        return 80;
    if (currentClass < 1600)
        return 60;
    return 110;
}
