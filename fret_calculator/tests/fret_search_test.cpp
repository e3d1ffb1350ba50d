#include "fret_search.h"

#include "numbers.h"
#include "separator.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using mirefa::FretResult;
using mirefa::Geometry;
using mirefa::makeGeometry;

const Geometry initial = makeGeometry(1000, 2, 5, 1);

TEST(GeometryStep, OpenStringOfTheInitialGeometry) {
    EXPECT_EQ(initial.x_telbos, 1000.0044999898751);
    // Equal thresholds leave the open string as long as the neck.
    EXPECT_EQ(makeGeometry(700, 3, 3, 1).x_telbos, 700.0);
}

TEST(GeometryStep, ReadsTheBoxesWithTheRegionalSeparator) {
    using runtime::testing::localised;
    const auto reading = mirefa::readGeometry(localised("1000.5"), "2", "5", localised("0.5"));
    ASSERT_TRUE(reading.geometry.has_value());
    EXPECT_EQ(reading.geometry->x_sap, 1000.5);
    EXPECT_EQ(reading.geometry->hperde, 0.5);
}

TEST(GeometryStep, NamesEveryBoxThatCannotBeUsed) {
    using B = mirefa::GeometryBox;
    using F = mirefa::GeometryFault;
    const F ok = F::none, text = F::notANumber, low = F::notPositive, big = F::tooLarge;
    struct Case {
        const char* name;
        std::array<const char*, 4> boxes; // x_sap, hesik_sap, hesik_govde, hperde
        B first;
        std::array<F, 4> faults;
    };
    const char* wrongSeparator = runtime::decimalSeparator() == ',' ? "2.5" : "2,5";
    const Case cases[] = {
        {"empty neck while typing", {"", "2", "5", "1"}, B::x_sap, {text, ok, ok, ok}},
        {"letters after a number", {"12abc", "2", "5", "1"}, B::x_sap, {text, ok, ok, ok}},
        {"wrong separator", {"1000", "2", "5", wrongSeparator}, B::hperde, {ok, ok, ok, text}},
        {"letters in a height", {"1000", "2", "abc", "1"}, B::hesik_govde, {ok, ok, text, ok}},
        {"empty fret height", {"1000", "2", "5", ""}, B::hperde, {ok, ok, ok, text}},
        {"neck of zero", {"0", "2", "5", "1"}, B::x_sap, {low, ok, ok, ok}},
        {"negative neck", {"-5", "2", "5", "1"}, B::x_sap, {low, ok, ok, ok}},
        {"neck beyond a double", {"1e999", "2", "5", "1"}, B::x_sap, {big, ok, ok, ok}},
        {"open string beyond a double", {"1E200", "2", "5", "1"}, B::x_sap, {big, ok, ok, ok}},
        {"height whose square overflows",
         {"1000", "1E200", "5", "1"},
         B::hesik_sap,
         {ok, big, ok, ok}},
        {"two boxes at once", {"-5", "x", "5", "1"}, B::x_sap, {low, text, ok, ok}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto reading = mirefa::readGeometry(c.boxes[0], c.boxes[1], c.boxes[2], c.boxes[3]);
        EXPECT_FALSE(reading.geometry.has_value());
        EXPECT_EQ(reading.badBox, c.first);
        EXPECT_EQ(reading.faults, c.faults);
    }
    // A negative height is a number the model can use.
    EXPECT_TRUE(mirefa::readGeometry("1000", "-5", "5", "1").geometry.has_value());
}

TEST(FretSearch, InitialGeometry) {
    struct Case {
        const char* name;
        double r;
        std::int64_t steps;
        double d;
    };
    const Case cases[] = {
        {"octave", 2.0, 7501, 499.99249900001894},
        {"fifth", 1.5, 3000, 666.6636666666742},
        {"fourth", 4.0 / 3.0, 1167, 749.998833000003},
        {"whole tone: no step", 9.0 / 8.0, 0, 1000 / (9.0 / 8.0)},
        {"100 cents: no step", std::pow(2.0, 100.0 / 1200.0), 0,
         1000 / std::pow(2.0, 100.0 / 1200.0)},
        {"below the unison: beyond the nut, no step", 0.5, 0, 2000.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const FretResult& f :
             {mirefa::searchFretStepByStep(c.r, initial), mirefa::searchFret(c.r, initial)}) {
            EXPECT_TRUE(f.reached);
            EXPECT_EQ(f.steps, c.steps);
            EXPECT_EQ(f.d, c.d);
        }
    }
    EXPECT_EQ(1000 - mirefa::searchFret(2.0, initial).d, 500.00750099998106);
    EXPECT_EQ(mirefa::searchFret(9.0 / 8.0, initial).d, 888.8888888888889);
}

TEST(FretSearch, EqualHeightsKeepThePlainPositions) {
    const Geometry flat = makeGeometry(1000, 1, 1, 1);
    for (double r : {2.0, 1.5, 4.0 / 3.0, 7.0 / 4.0}) {
        SCOPED_TRACE(r);
        const FretResult f = mirefa::searchFret(r, flat);
        EXPECT_TRUE(f.reached);
        EXPECT_EQ(f.steps, 0);
        EXPECT_EQ(f.d, 1000 / r);
    }
}

TEST(FretSearch, UnreachableAndUnusableRatios) {
    struct Case {
        const char* name;
        double r;
        Geometry g;
    };
    const Case cases[] = {
        {"octave on a neck of 1 mm", 2.0, makeGeometry(1, 2, 5, 1)},
        {"beyond the largest ratio of the initial geometry", 300.0, initial},
        {"zero", 0.0, initial},
        {"negative", -2.0, initial},
        {"infinite", INFINITY, initial},
        {"not a number", NAN, initial},
        {"a neck so long that one micrometre is lost in rounding", 1.5,
         makeGeometry(1e11, 0, 1e9, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FretResult fast = mirefa::searchFret(c.r, c.g);
        EXPECT_FALSE(fast.reached);
        const FretResult slow = mirefa::searchFretStepByStep(c.r, c.g);
        EXPECT_FALSE(slow.reached);
        EXPECT_EQ(fast.steps, slow.steps);
        const auto kopru = mirefa::PerdeHesapla({c.r}, c.g);
        ASSERT_EQ(kopru.size(), 1u);
        EXPECT_FALSE(kopru[0].has_value());
    }
}

// The fast search must land on the very double and step count of the walk.
TEST(FretSearch, SameAsTheStepByStepWalk) {
    const Geometry geometries[] = {
        initial,
        makeGeometry(1, 2, 5, 1),
        makeGeometry(10, 2, 5, 1),
        makeGeometry(100, 2, 5, 1),
        makeGeometry(650, 0.5, 3, 0.2),
        makeGeometry(1000, 1, 1, 1),
        makeGeometry(1000, 1, 6, 1),
        makeGeometry(1000, 6, 1, 1),
        makeGeometry(1000, 2, 5, 4.9),
        makeGeometry(1000, -2, 5, 1),
        makeGeometry(2.5e-6, 2, 5, 1),
    };
    std::vector<double> ratios;
    for (int cents = -50; cents <= 2500; cents += 29)
        ratios.push_back(std::pow(2.0, cents / 1200.0));
    for (double r : {1.0, 1.0000000001, 0.99999999999999, 1.35, 1.36, 250.0, 251.5, 260.0})
        ratios.push_back(r);
    for (std::size_t gi = 0; gi < std::size(geometries); ++gi) {
        const Geometry& g = geometries[gi];
        for (double r : ratios) {
            SCOPED_TRACE(testing::Message() << "geometry " << gi << ", r = " << r);
            const FretResult slow = mirefa::searchFretStepByStep(r, g);
            if (slow.steps > 3000000)
                continue; // covered by the shorter walks
            const FretResult fast = mirefa::searchFret(r, g);
            ASSERT_EQ(fast.reached, slow.reached);
            ASSERT_EQ(fast.steps, slow.steps);
            ASSERT_EQ(fast.d, slow.d);
        }
    }
}

// Heights that dwarf the neck leave the modelled ratio flat to within its
// rounding, so the ratios near it are reached, if at all, at steps that only
// the walk itself can tell; short necks keep the walks short.
TEST(FretSearch, HeightsThatDwarfTheNeckSameAsTheWalk) {
    struct Case {
        const char* name;
        Geometry g;
    };
    const Case cases[] = {
        {"fret height 1E+20", makeGeometry(1, 2, 5, 1e20)},
        {"fret height 1E+20 on 3 mm", makeGeometry(3, 2, 5, 1e20)},
        {"fret height 1E+10", makeGeometry(1, 2, 5, 1e10)},
        {"fret height 1E+8", makeGeometry(1, 2, 5, 1e8)},
        {"fret height 1E+7", makeGeometry(1, 2, 5, 1e7)},
        {"fret height 1E+6", makeGeometry(2, 2, 5, 1e6)},
        {"fret height -1E+9", makeGeometry(1, 2, 5, -1e9)},
        {"body threshold 1E+20", makeGeometry(1, 2, 1e20, 1)},
        {"body threshold 1E+8", makeGeometry(1, 2, 1e8, 1)},
        {"nut threshold 1E+20", makeGeometry(1, 1e20, 5, 1)},
        {"both thresholds 1E+9", makeGeometry(1, 1e9, 1e9, 1)},
        {"fret height 1E-20 and neck 1E-5", makeGeometry(1e-5, 2, 5, 1e-20)},
    };
    for (const Case& c : cases) {
        const double L = c.g.x_sap;
        std::vector<double> ratios = {2.0, 1.5, 1.0, 3.0};
        // The flat value itself and its neighbours, where the walk may stop anywhere.
        for (double d : {L / 2, L / 3, L / 1.5, L * 0.999}) {
            double r = mirefa::soundingRatio(c.g, d);
            for (int i = 0; i < 4; ++i)
                r = std::nextafter(r, 0.0);
            for (int i = 0; i < 9; ++i, r = std::nextafter(r, INFINITY))
                ratios.push_back(r);
        }
        for (double r : ratios) {
            SCOPED_TRACE(testing::Message() << c.name << ", r = " << std::hexfloat << r);
            const FretResult slow = mirefa::searchFretStepByStep(r, c.g);
            const FretResult fast = mirefa::searchFret(r, c.g);
            ASSERT_EQ(fast.reached, slow.reached);
            ASSERT_EQ(fast.steps, slow.steps);
            ASSERT_EQ(fast.d, slow.d);
        }
    }
}

TEST(FretSearch, PerdeHesaplaKeepsTheOrderOfTheScale) {
    const auto kopru = mirefa::PerdeHesapla({2.0, 0.0, 1.5, 300.0}, initial);
    ASSERT_EQ(kopru.size(), 4u);
    EXPECT_EQ(kopru[0], 499.99249900001894);
    EXPECT_FALSE(kopru[1].has_value());
    EXPECT_EQ(kopru[2], 666.6636666666742);
    EXPECT_FALSE(kopru[3].has_value());
}

} // namespace
