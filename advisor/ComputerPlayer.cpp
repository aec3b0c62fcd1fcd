#include "ComputerPlayer.h"

#include "DiceSets.h"
#include "RollTable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int kBonusAt = kUpperBonusAt;
constexpr int kBonus = kUpperBonus;
constexpr int kRolls = DiceSets::kRollCount;
constexpr int kSets = DiceSets::kSetCount;
constexpr int kFirstRoll = DiceSets::kFirstRoll;

// How a weaker strength errs. It weighs its moves (with the table's worth, or by its own rule of
// thumb), blurs each weight with normal noise of `spread` points, and plays the move that then
// looks best among those within `reach` points of the true best: close calls go either way often,
// costly mistakes never happen.
struct Style
{
    double spread;
    double reach;
};
// By strength, weakest first: the computer's seat kinds in order.
constexpr Style kStyles[] = {
    {2.0, 10.0},  // Beginner: only where to enter the dice; its keeps follow fixed rules
    {1.8, 8.0},   // Casual
    {1.2, 6.0},   // Strong
    {0.0, 0.0},   // Perfect: plays the advice
};

// What a category usually earns in a good game: what entering something else there gives up.
// The upper categories' par, three dice of their face, adds up to the bonus.
constexpr double kPar[kCategoryCount] = {3, 6, 9, 12, 15, 18, 21.5, 13, 22.5, 29.5, 32.5, 17, 22};
// The spread of what one upper category will earn, per point of its face.
constexpr double kUpperSpread = 1.2;
// The Beginner takes three of a kind worth this much at once, rolls left or not.
constexpr int kBeginnerContent = 20;
// How often the Beginner, torn between a pair and a draw to a straight, keeps the one that comes
// to mind second.
constexpr double kBeginnerSlip = 0.3;

bool isFree(std::uint16_t usedMask, Category c)
{
    return !(usedMask & usedBit(c));
}

Move enter(Category category)
{
    Move move;
    move.kind = Move::Kind::Score;
    move.category = category;
    return move;
}

Move keep(std::vector<int> faces)
{
    Move move;
    move.kind = Move::Kind::Keep;
    std::sort(faces.begin(), faces.end());
    move.keepFaces = std::move(faces);
    return move;
}

// The Casual player's worth of an entry: its points against the category's par, and for an upper
// category the change in the chance of the bonus, judged from the upper total that the card
// would reach if every free upper category made its par.
class CasualWorth
{
public:
    explicit CasualWorth(const Position &position)
    {
        const bool pending = position.upperSum < kBonusAt;
        double projected = position.upperSum;
        double variance = 0.0;
        for (int f = 1; f <= 6; ++f)
            if (isFree(position.usedMask, Category(f - 1))) {
                projected += 3 * f;
                variance += (kUpperSpread * f) * (kUpperSpread * f);
            }
        const double before = pending ? bonusChance(projected, variance) : 0.0;
        for (int f = 1; f <= 6; ++f) {
            const double rest = variance - (kUpperSpread * f) * (kUpperSpread * f);
            for (int n = 0; n <= 5; ++n) {
                const double after = pending ? bonusChance(projected + f * (n - 3), rest) : 0.0;
                m_upper[std::size_t(f)][std::size_t(n)] = f * (n - 3) + kBonus * (after - before);
            }
        }
    }

    double operator()(int category, int roll) const
    {
        const RollTable &table = RollTable::instance();
        if (isUpper(Category(category))) {
            const int face = category + 1;
            return m_upper[std::size_t(face)]
                          [std::size_t(table.faceCount[std::size_t(roll)][std::size_t(face)])];
        }
        return table.score[std::size_t(roll)][std::size_t(category)] - kPar[category];
    }

private:
    static double bonusChance(double projected, double variance)
    {
        if (variance < 1e-9)
            return projected >= kBonusAt ? 1.0 : 0.0;
        return 0.5 * std::erfc((kBonusAt - 0.5 - projected) / std::sqrt(2.0 * variance));
    }

    std::array<std::array<double, 6>, 7> m_upper{};
};

// The worth of each set of dice kept with `rollsLeft` rolls to come (1 or 2), the rest of the turn
// played by the same measure; the rolls' places hold `entry`, each roll's best entry.
void turnWorths(const std::array<double, kRolls> &entry, int rollsLeft,
                std::array<double, kSets> &keep)
{
    const DiceSets &sets = DiceSets::instance();
    for (int r = 0; r < kRolls; ++r)
        keep[std::size_t(kFirstRoll + r)] = entry[std::size_t(r)];
    auto meanOverOneMore = [&] {
        for (int k = kFirstRoll - 1; k >= 0; --k) {
            double sum = 0.0;
            for (std::uint16_t next : sets.withOneMore(k))
                sum += keep[next];
            keep[std::size_t(k)] = sum / 6.0;
        }
    };
    meanOverOneMore();
    if (rollsLeft < 2)
        return;
    // With a roll left after the next, each roll is worth its best keep or its best entry.
    std::array<double, kSets> best;
    best[0] = keep[0];
    for (int k = 1; k < kSets; ++k) {
        double most = keep[std::size_t(k)];
        for (std::uint16_t less : sets.withOneLess(k))
            most = std::max(most, best[less]);
        best[std::size_t(k)] = most;
    }
    for (int r = 0; r < kRolls; ++r)
        keep[std::size_t(kFirstRoll + r)] = best[std::size_t(kFirstRoll + r)];
    meanOverOneMore();
}

// Whether every kept die serves one free category together: dice of its face for an upper
// category or five alike; two faces at most for a full house; different faces within reach of
// one straight; one group alike with fives and sixes beside it for three or four of a kind; fours
// and up for chance. Keeping nothing always serves.
bool keepServes(const std::vector<int> &faces, std::uint16_t usedMask)
{
    if (faces.empty())
        return true;
    std::array<int, 7> count{};
    for (int face : faces)
        ++count[std::size_t(face)];
    const int low = faces.front();
    const int high = faces.back();
    const bool alike = low == high;
    const bool distinct = std::all_of(count.begin(), count.end(), [](int n) { return n < 2; });
    int groups = 0;
    int looseLow = 0;  // dice of faces below five that are not part of the largest group
    int largest = 0;
    for (int f = 1; f <= 6; ++f) {
        groups += count[std::size_t(f)] > 0;
        if (count[std::size_t(f)] > count[std::size_t(largest)])
            largest = f;
    }
    for (int f = 1; f <= 4; ++f)
        if (f != largest)
            looseLow += count[std::size_t(f)];
    auto free = [&](Category c) { return isFree(usedMask, c); };

    if (alike && (free(Category(low - 1)) || free(Category::Kelbrune)))
        return true;
    if (free(Category::FullHouse) && groups <= 2 && count[std::size_t(largest)] <= 3)
        return true;
    if (distinct && free(Category::SmallStraight) && high - low <= 3)
        return true;
    if (distinct && free(Category::LargeStraight) && high - low <= 4)
        return true;
    if ((free(Category::ThreeOfAKind) || free(Category::FourOfAKind)) && looseLow == 0)
        return true;
    return free(Category::Chance) && low >= 4;
}

// How many dice show each face, at [1..6].
using FaceCounts = std::array<int, 7>;

// The lowest face of a run of four on the dice; 0 for none.
int runOfFour(const FaceCounts &count)
{
    for (int low = 1; low <= 3; ++low)
        if (std::all_of(count.begin() + low, count.begin() + low + 4, [](int n) { return n > 0; }))
            return low;
    return 0;
}

// The dice the Beginner chases a straight with when it has no run of four, a face each: with the
// large straight free, four of its faces around a gap that one die fills (the higher straight's
// first); else a run of three open at both ends; else three faces of the highest small straight
// that has three. Empty when there is none of these.
std::vector<int> straightDraw(const FaceCounts &count, bool largeFree)
{
    auto facesFrom = [&](int low, int length) {
        std::vector<int> faces;
        for (int f = low; f < low + length; ++f)
            if (count[std::size_t(f)] > 0)
                faces.push_back(f);
        return faces;
    };
    if (largeFree)
        for (int low = 2; low >= 1; --low)
            if (std::vector<int> faces = facesFrom(low, 5); faces.size() == 4)
                return faces;
    for (int low = 3; low >= 2; --low)
        if (std::vector<int> faces = facesFrom(low, 3); faces.size() == 3)
            return faces;
    for (int low = 3; low >= 1; --low)
        if (std::vector<int> faces = facesFrom(low, 4); faces.size() == 3)
            return faces;
    return {};
}
}  // namespace

bool needsTable(SeatKind strength)
{
    return strength == SeatKind::Strong || strength == SeatKind::Perfect;
}

bool scoresWell(Category category, const Dice &dice)
{
    const int points = categoryScore(category, dice);
    switch (category) {
    case Category::FullHouse:
    case Category::SmallStraight:
    case Category::LargeStraight:
    case Category::Kelbrune:
        return points > 0;
    case Category::ThreeOfAKind:
    case Category::FourOfAKind:
    case Category::Chance:
        return points >= 24;
    default:
        return points >= 3 * (int(category) + 1);
    }
}

ComputerPlayer::ComputerPlayer(SeatKind strength, const OptimalPlay &table, std::uint64_t seed)
    : m_strength(strength), m_table(table), m_random(seed)
{
}

std::optional<Move> ComputerPlayer::decide(const Position &position)
{
    if (m_strength == SeatKind::Human || !withinLimits(position)
        || (needsTable(m_strength) && !m_table.ready()))
        return std::nullopt;
    if (position.rollsMade == 0)
        return Move{};
    if (m_strength == SeatKind::Perfect) {
        const std::optional<Advice> advice = m_table.advise(position);
        if (!advice)
            return std::nullopt;
        return Move(*advice);
    }
    // Finished hands that every player takes as they are.
    for (Category c : {Category::LargeStraight, Category::Kelbrune})
        if (isFree(position.usedMask, c) && categoryScore(c, position.dice) > 0)
            return enter(c);
    switch (m_strength) {
    case SeatKind::Beginner: return decideByThumb(position);
    case SeatKind::Casual: return decideByLookAhead(position);
    default: return decideWithTable(position);
    }
}

std::optional<Move> ComputerPlayer::decideWithTable(const Position &position)
{
    const std::optional<OptimalPlay::Choices> choices = m_table.choices(position);
    if (!choices)
        return std::nullopt;
    std::vector<Option> options;
    for (int c = 0; c < kCategoryCount; ++c)
        if (isFree(position.usedMask, Category(c)))
            options.push_back({enter(Category(c)), choices->entry[std::size_t(c)]});
    for (const OptimalPlay::Choices::Keep &kept : choices->keeps)
        options.push_back({keep(kept.faces), kept.worth});
    return pick(std::move(options), position);
}

std::optional<Move> ComputerPlayer::decideByLookAhead(const Position &position)
{
    const DiceSets &sets = DiceSets::instance();
    const CasualWorth worth(position);
    const int roll = sets.rollOf(position.dice);
    std::array<double, kRolls> entry;
    entry.fill(-std::numeric_limits<double>::infinity());
    std::vector<Option> options;
    for (int c = 0; c < kCategoryCount; ++c) {
        if (!isFree(position.usedMask, Category(c)))
            continue;
        for (int r = 0; r < kRolls; ++r)
            entry[std::size_t(r)] = std::max(entry[std::size_t(r)], worth(c, r));
        options.push_back({enter(Category(c)), worth(c, roll)});
    }
    if (position.rollsMade < 3) {
        std::array<double, kSets> kept;
        turnWorths(entry, 3 - position.rollsMade, kept);
        const int rollSet = kFirstRoll + roll;
        for (int k = kFirstRoll - 1; k >= 0; --k)
            if (sets.contains(rollSet, k))
                options.push_back({keep(sets.faces(k)), kept[std::size_t(k)]});
    }
    return pick(std::move(options), position);
}

std::optional<Move> ComputerPlayer::decideByThumb(const Position &position)
{
    const Dice &dice = position.dice;
    auto free = [&](Category c) { return isFree(position.usedMask, c); };
    auto scores = [&](Category c) { return free(c) && categoryScore(c, dice) > 0; };
    FaceCounts count{};
    for (int face : dice)
        ++count[std::size_t(face)];

    if (position.rollsMade < 3) {
        // A run of four is kept while the large straight is free: the small straight is made
        // whatever the other die shows.
        const int runLow = runOfFour(count);
        if (runLow != 0 && free(Category::LargeStraight))
            return keep({runLow, runLow + 1, runLow + 2, runLow + 3});
        // Any other made hand is entered at once, three alike in their own upper row too.
        for (Category c : {Category::FullHouse, Category::SmallStraight, Category::FourOfAKind})
            if (scores(c))
                return enter(c);
        if (categoryScore(Category::ThreeOfAKind, dice) >= kBeginnerContent
            && free(Category::ThreeOfAKind))
            return enter(Category::ThreeOfAKind);
        for (int f = 1; f <= 6; ++f)
            if (count[std::size_t(f)] >= 3 && free(Category(f - 1)))
                return enter(Category(f - 1));
        // The most dice alike of a face that can still count (the higher face of equal groups;
        // two pairs stay together for a full house), and the draw to a straight.
        const bool ofAKindFree = free(Category::ThreeOfAKind) || free(Category::FourOfAKind)
                                 || free(Category::Kelbrune);
        int group = 0;
        for (int f = 1; f <= 6; ++f)
            if ((ofAKindFree || free(Category(f - 1))) && count[std::size_t(f)] >= 2
                && (group == 0 || count[std::size_t(f)] >= count[std::size_t(group)]))
                group = f;
        std::vector<int> alike;
        if (group != 0) {
            alike.assign(std::size_t(count[std::size_t(group)]), group);
            for (int f = 1; f <= 6; ++f)
                if (f != group && count[std::size_t(f)] == 2 && free(Category::FullHouse))
                    alike.insert(alike.end(), 2, f);
        }
        const std::vector<int> draw =
            free(Category::SmallStraight) || free(Category::LargeStraight)
                ? straightDraw(count, free(Category::LargeStraight))
                : std::vector<int>{};
        // Three alike are kept as they are (five alike go on to be entered). Between a pair and a
        // draw either can come to mind first: the draw when a single face would make the large
        // straight, the pair otherwise. With neither, all five are rolled.
        if (group != 0 && count[std::size_t(group)] >= 3) {
            if (alike.size() < 5)
                return keep(alike);
        } else if (!alike.empty() && !draw.empty()) {
            const bool drawFirst = draw.size() == 4;
            const bool slips = uniform() < kBeginnerSlip;
            return keep(drawFirst != slips ? draw : alike);
        } else {
            return keep(alike.empty() ? draw : alike);
        }
    }
    // The most points now, as the Beginner counts them at a glance, but never fewer points in a
    // row that usually earns more, unless they are three or more of an upper row's face, which
    // count towards the bonus; with nothing to score, a zero where it usually costs least.
    std::vector<Option> options;
    for (int c = 0; c < kCategoryCount; ++c)
        if (scores(Category(c)))
            options.push_back({enter(Category(c)), double(categoryScore(Category(c), dice))});
    if (options.empty()) {
        int cheapest = -1;
        for (int c = 0; c < kCategoryCount; ++c)
            if (free(Category(c)) && (cheapest < 0 || kPar[c] < kPar[cheapest]))
                cheapest = c;
        return enter(Category(cheapest));
    }
    auto outdone = [&](const Option &o) {
        const Category c = o.move.category;
        if (isUpper(c) && scoresWell(c, dice))
            return false;
        const double par = kPar[int(c)];
        return std::any_of(options.begin(), options.end(), [&](const Option &other) {
            const double otherPar = kPar[int(other.move.category)];
            return other.worth >= o.worth && otherPar <= par
                   && (other.worth > o.worth || otherPar < par);
        });
    };
    std::vector<Option> sensible;
    for (const Option &o : options)
        if (!outdone(o))
            sensible.push_back(o);
    return pick(std::move(sensible), position);
}

Move ComputerPlayer::pick(std::vector<Option> options, const Position &position)
{
    const Dice &dice = position.dice;
    // No zero while rolls are left (another roll cannot do worse), nor while a free category
    // scores well on the dice.
    bool noZero = position.rollsMade < 3;
    for (int c = 0; c < kCategoryCount; ++c)
        noZero = noZero || (isFree(position.usedMask, Category(c)) && scoresWell(Category(c), dice));
    if (noZero)
        std::erase_if(options, [&](const Option &o) {
            return o.move.kind == Move::Kind::Score
                   && categoryScore(o.move.category, dice) == 0;
        });

    double best = -std::numeric_limits<double>::infinity();
    for (const Option &o : options)
        best = std::max(best, o.worth);
    // A keep that serves no free category, or that is worth less than rolling all five again,
    // is never made unless it is the best move.
    double restart = -std::numeric_limits<double>::infinity();
    for (const Option &o : options)
        if (o.move.kind == Move::Kind::Keep && o.move.keepFaces.empty())
            restart = o.worth;
    std::erase_if(options, [&](const Option &o) {
        return o.move.kind == Move::Kind::Keep && o.worth < best
               && (o.worth < restart || !keepServes(o.move.keepFaces, position.usedMask));
    });

    const Style &style = kStyles[int(m_strength) - int(SeatKind::Beginner)];
    // Every option draws its noise, in a fixed order, so that the draws do not depend on which
    // options are within reach.
    const Option *chosen = &options.front();
    double chosenSeen = -std::numeric_limits<double>::infinity();
    for (const Option &o : options) {
        const double seen = o.worth + style.spread * noise();
        if (o.worth >= best - style.reach && seen > chosenSeen) {
            chosen = &o;
            chosenSeen = seen;
        }
    }
    return chosen->move;
}

double ComputerPlayer::uniform()
{
    return double(m_random() >> 11) * 0x1p-53;
}

double ComputerPlayer::noise()
{
    // Two uniform draws turned into one normal draw by hand, so that the draws are the same with
    // every standard library.
    const double u = 1.0 - uniform();
    const double v = uniform();
    return std::sqrt(-2.0 * std::log(u)) * std::cos(2.0 * 3.14159265358979323846 * v);
}
