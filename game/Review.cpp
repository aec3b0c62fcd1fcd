#include "Review.h"

#include "OptimalPlay.h"

#include <algorithm>
#include <numeric>

namespace {
// Differences this small are the table's rounding, not a worse choice.
constexpr double kTie = 1e-9;

JudgedDecision judge(const Decision &decision, const OptimalPlay &advisor)
{
    JudgedDecision judged{decision, std::nullopt, 0.0};
    const Position position = positionOf(decision.sheet, decision.turn);
    const std::optional<Advice> advice = advisor.advise(position);
    const std::optional<OptimalPlay::Choices> choices = advisor.choices(position);
    if (!advice || !choices)
        return judged;
    judged.best = Move(*advice);

    std::optional<double> chosen;
    const Move &choice = decision.choice;
    if (choice.kind == Move::Kind::Score) {
        chosen = choices->entry[std::size_t(choice.category)];
    } else if (choice.keepFaces.size() < std::size_t(kDiceCount)) {
        for (const OptimalPlay::Choices::Keep &keep : choices->keeps)
            if (keep.faces == choice.keepFaces)
                chosen = keep.worth;
    } else {
        // Every die held and rolled anyway: the same dice with one roll fewer left.
        Position wasted = position;
        ++wasted.rollsMade;
        if (const std::optional<Advice> after = advisor.advise(wasted))
            chosen = after->expectedFinal;
    }
    if (chosen && *chosen == *chosen)  // a used category's worth is NaN
        judged.lost = std::max(0.0, advice->expectedFinal - *chosen);
    if (judged.lost < kTie)
        judged.lost = 0.0;
    return judged;
}
}  // namespace

GameReview reviewGame(const std::vector<Decision> &decisions, int players, bool partWay,
                      const OptimalPlay &advisor)
{
    GameReview review;
    review.partWay = partWay;
    review.lostBySeat.assign(std::size_t(std::max(players, 0)), 0.0);
    for (const Decision &decision : decisions) {
        review.decisions.push_back(judge(decision, advisor));
        if (decision.player >= 0 && decision.player < players)
            review.lostBySeat[std::size_t(decision.player)] += review.decisions.back().lost;
    }
    std::vector<int> order(review.decisions.size());
    std::iota(order.begin(), order.end(), 0);
    // Most given away first; of equal losses, the earlier decision.
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return review.decisions[std::size_t(a)].lost > review.decisions[std::size_t(b)].lost;
    });
    for (int i : order)
        if (review.costliest.size() < 3 && review.decisions[std::size_t(i)].lost > 0)
            review.costliest.push_back(i);
    return review;
}
