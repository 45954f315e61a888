// Drawing through the wrapper classes into bitmaps, read back pixel by pixel: filled paths,
// gradients, the rounded rectangle's arcs, transforms about a point, the argument families.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <vector>

#include "gdiplus/Gdiplus.h"
#include "tests/gdiplus/GdiplusSession.h"

using namespace gdip;
using gdiplus_test::Canvas;
using gdiplus_test::Split;

namespace {

constexpr Gdiplus::ARGB kWhite = 0xFFFFFFFF;
constexpr Gdiplus::ARGB kRed = 0xFFFF0000;
constexpr Gdiplus::ARGB kBlue = 0xFF0000FF;
constexpr Gdiplus::ARGB kGreen = 0xFF00FF00;

Object<PlusSolidBrush> SolidBrush(Gdiplus::ARGB colour) {
    Object<PlusSolidBrush> brush = Make<PlusSolidBrush>();
    EXPECT_TRUE(brush->CreateSolidFill(colour));
    return brush;
}

// A native matrix held by a plain PlusObject, as the operations taking a matrix object want it.
class Matrix {
public:
    Matrix() : object_(Make<PlusObject>()) {
        GDIP(GdipCreateMatrix)(&native_);
        object_->SetHandle(native_);
    }
    ~Matrix() {
        object_->SetHandle(nullptr);
        GDIP(GdipDeleteMatrix)(native_);
    }
    PlusObject* Object() const { return object_.Get(); }
    std::array<float, 6> Elements() const {
        std::array<float, 6> e{};
        GDIP(GdipGetMatrixElements)(native_, e.data());
        return e;
    }

private:
    Gdiplus::GpMatrix* native_ = nullptr;
    gdip::Object<PlusObject> object_;
};

// ---- fills ----

TEST(Drawing, FilledRoundedPathCoversItsInsideAndLeavesTheCorners) {
    Canvas canvas(100, 50);
    Object<PlusPath> path = Make<PlusPath>();
    ASSERT_TRUE(path->CreatePath(Gdiplus::FillModeAlternate));
    ASSERT_TRUE(path->AddRoundRectangle(0, 0, 100, 50, 20));
    Object<PlusSolidBrush> red = SolidBrush(kRed);
    ASSERT_TRUE(canvas.graphics->FillPath(red.Get(), path.Get()));
    EXPECT_EQ(canvas.Pixel(50, 25), kRed);
    EXPECT_EQ(canvas.Pixel(50, 1), kRed);
    EXPECT_EQ(canvas.Pixel(2, 25), kRed);
    EXPECT_EQ(canvas.Pixel(0, 0), kWhite);   // outside the arc of the corner box (0, 0, 20, 10)
    EXPECT_EQ(canvas.Pixel(99, 0), kWhite);
    EXPECT_EQ(canvas.Pixel(0, 49), kWhite);
    EXPECT_EQ(canvas.Pixel(99, 49), kWhite);
    canvas.Keep("rounded_path");
}

TEST(Drawing, LinearGradientRunsFromItsFirstColourToItsSecond) {
    Canvas canvas(100, 10);
    Object<PlusLinearBrush> brush = Make<PlusLinearBrush>();
    const PlusPointF from{0, 0}, to{100, 0};
    ASSERT_TRUE(brush->CreateLineBrush(&from, &to, kRed, kBlue));
    const PlusRectF all{0, 0, 100, 10};
    ASSERT_TRUE(canvas.graphics->FillRectangleRect(brush.Get(), &all));
    const auto left = Split(canvas.Pixel(0, 5)), middle = Split(canvas.Pixel(50, 5)), right = Split(canvas.Pixel(99, 5));
    EXPECT_GE(left.r, 240);
    EXPECT_LE(left.b, 15);
    EXPECT_GE(right.b, 240);
    EXPECT_LE(right.r, 15);
    EXPECT_NEAR(middle.r, 127, 20);
    EXPECT_NEAR(middle.b, 127, 20);
    canvas.Keep("gradient");
}

TEST(Drawing, PresetBlendTakesColourAndPositionArrays) {
    Canvas canvas(100, 10);
    Object<PlusLinearBrush> brush = Make<PlusLinearBrush>();
    const PlusPointF from{0, 0}, to{100, 0};
    ASSERT_TRUE(brush->CreateLineBrush(&from, &to, kRed, kBlue));
    const int32_t three = 3;
    Array colours(kTypeInt, MakeArray(kTypeInt, &three, 1));
    Array positions(kTypeFloat, MakeArray(kTypeFloat, &three, 1));
    colours.At<uint32_t>(1) = kRed;
    colours.At<uint32_t>(2) = kGreen;
    colours.At<uint32_t>(3) = kBlue;
    positions.At<float>(1) = 0.0f;
    positions.At<float>(2) = 0.5f;
    positions.At<float>(3) = 1.0f;
    ASSERT_TRUE(brush->SetLinePresetBlend(colours.Get(), positions.Get()));
    EXPECT_EQ(brush->GetLinePresetBlendCount(), 3);
    ASSERT_TRUE(canvas.graphics->FillRectangle(brush.Get(), 0.0f, 0.0f, 100.0f, 10.0f));
    const auto middle = Split(canvas.Pixel(50, 5));
    EXPECT_GE(middle.g, 220);
    EXPECT_LE(middle.r, 35);
    EXPECT_LE(middle.b, 35);
    canvas.Keep("preset_blend");

    ArrayValue* readColours = MakeEmptyArray();
    ArrayValue* readPositions = MakeEmptyArray();
    ASSERT_EQ(brush->GetLinePresetBlend(&readColours, &readPositions), 3);
    EXPECT_EQ(ScalarElements<uint32_t>(readColours)[1], kGreen);
    EXPECT_FLOAT_EQ(ScalarElements<float>(readPositions)[1], 0.5f);
    FreeArray(kTypeInt, readColours);
    FreeArray(kTypeFloat, readPositions);
}

TEST(Drawing, BitmapPixelsReadBackWhatWasSet) {
    Canvas canvas(4, 4, 0xFF000000);
    ASSERT_TRUE(canvas.bitmap->BitmapSetPixel(1, 2, 0xFF123456));
    EXPECT_EQ(canvas.Pixel(1, 2), 0xFF123456u);
    EXPECT_EQ(canvas.Pixel(2, 1), 0xFF000000u);
}

// ---- the rounded rectangle ----

struct Arc {
    float x, y, width, height, start;
};

// The path the rounded rectangle should be: its four arcs added directly, then closed.
std::vector<Gdiplus::PointF> ReferencePath(const std::vector<Arc>& arcs, std::vector<BYTE>* types) {
    Gdiplus::GpPath* path = nullptr;
    GDIP(GdipCreatePath)(Gdiplus::FillModeAlternate, &path);
    for (const Arc& a : arcs) GDIP(GdipAddPathArc)(path, a.x, a.y, a.width, a.height, a.start, 90.0f);
    GDIP(GdipClosePathFigure)(path);
    INT count = 0;
    GDIP(GdipGetPointCount)(path, &count);
    std::vector<Gdiplus::PointF> points(static_cast<size_t>(count));
    types->assign(static_cast<size_t>(count), 0);
    GDIP(GdipGetPathPoints)(path, points.data(), count);
    GDIP(GdipGetPathTypes)(path, types->data(), count);
    GDIP(GdipDeletePath)(path);
    return points;
}

struct RoundCase {
    float x, y, width, height;
    int32_t roundness;
    std::vector<Arc> arcs;  // as the roundness rule gives them
};

TEST(RoundRectangle, AddsFourArcsOfTheRoundnessShareThenClosesTheFigure) {
    const RoundCase cases[] = {
        {0, 0, 100, 50, 20, {{80, 0, 20, 10, 270}, {80, 40, 20, 10, 0}, {0, 40, 20, 10, 90}, {0, 0, 20, 10, 180}}},
        {10, 20, 200, 300, 0, {{208, 20, 2, 3, 270}, {208, 317, 2, 3, 0}, {10, 317, 2, 3, 90}, {10, 20, 2, 3, 180}}},
        {10, 20, 200, 300, -7, {{208, 20, 2, 3, 270}, {208, 317, 2, 3, 0}, {10, 317, 2, 3, 90}, {10, 20, 2, 3, 180}}},
        {10, 20, 200, 300, 150, {{10, 20, 200, 300, 270}, {10, 20, 200, 300, 0}, {10, 20, 200, 300, 90}, {10, 20, 200, 300, 180}}},
        {0, 0, 55, 33, 50, {{28, 0, 27, 16, 270}, {28, 17, 27, 16, 0}, {0, 17, 27, 16, 90}, {0, 0, 27, 16, 180}}},
    };
    for (const RoundCase& c : cases) {
        SCOPED_TRACE(c.roundness);
        Object<PlusPath> path = Make<PlusPath>();
        ASSERT_TRUE(path->CreatePath(Gdiplus::FillModeAlternate));
        EXPECT_TRUE(path->AddRoundRectangle(c.x, c.y, c.width, c.height, c.roundness));
        RecordArray points;
        ASSERT_TRUE(path->GetPathPoints(points.Slot()));
        ByteSet* types = nullptr;
        ASSERT_TRUE(path->GetPathTypes(&types));
        std::vector<BYTE> expectedTypes;
        const std::vector<Gdiplus::PointF> expected = ReferencePath(c.arcs, &expectedTypes);
        ASSERT_EQ(points.Count(), expected.size());
        ASSERT_EQ(ByteSetLength(types), expectedTypes.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_FLOAT_EQ(points.At<PlusPointF>(i).x, expected[i].X) << i;
            EXPECT_FLOAT_EQ(points.At<PlusPointF>(i).y, expected[i].Y) << i;
            EXPECT_EQ(types->Bytes()[i], expectedTypes[i]) << i;
        }
        EXPECT_EQ(types->Bytes()[expectedTypes.size() - 1] & Gdiplus::PathPointTypeCloseSubpath, Gdiplus::PathPointTypeCloseSubpath);
        RuntimeFree(types);
    }
}

TEST(RoundRectangle, FirstArcBeginsAtTheTopOfItsBoxAndTheLastEndsThere) {
    Object<PlusPath> path = Make<PlusPath>();
    ASSERT_TRUE(path->CreatePath(Gdiplus::FillModeAlternate));
    ASSERT_TRUE(path->AddRoundRectangle(0, 0, 100, 50, 20));
    PlusPathData data{};
    ASSERT_TRUE(path->GetPathData(&data));
    ASSERT_GE(data.count, 8);
    const RecordArray points(data.points);
    const PlusPointF& first = *PointerElements<PlusPointF>(data.points)[0];
    const PlusPointF& last = *PointerElements<PlusPointF>(data.points)[static_cast<size_t>(data.count) - 1];
    EXPECT_NEAR(first.x, 90, 1e-3);  // top of the box (80, 0, 20, 10), 270 degrees
    EXPECT_NEAR(first.y, 0, 1e-3);
    EXPECT_NEAR(last.x, 10, 1e-3);  // top of the box (0, 0, 20, 10), 180 + 90 degrees
    EXPECT_NEAR(last.y, 0, 1e-3);
    Record<PlusRectF> bounds(path->GetPathWorldBounds(static_cast<PlusObject*>(nullptr), static_cast<PlusPen*>(nullptr)));
    EXPECT_NEAR(bounds.Get()->x, 0, 1e-3);
    EXPECT_NEAR(bounds.Get()->y, 0, 1e-3);
    EXPECT_NEAR(bounds.Get()->width, 100, 1e-3);
    EXPECT_NEAR(bounds.Get()->height, 50, 1e-3);
    RuntimeFree(data.types);
}

// ---- transforms about a point ----

using Elements = std::array<float, 6>;  // m11 m12 m21 m22 dx dy; a point maps as p' = p M

Elements Multiply(const Elements& a, const Elements& b) {
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2], a[2] * b[1] + a[3] * b[3],
            a[4] * b[0] + a[5] * b[2] + b[4], a[4] * b[1] + a[5] * b[3] + b[5]};
}
Elements Translation(float x, float y) { return {1, 0, 0, 1, x, y}; }
Elements Scaling(float sx, float sy) { return {sx, 0, 0, sy, 0, 0}; }
Elements Rotation(float degrees) {
    const double r = degrees * 3.14159265358979 / 180;
    const auto c = static_cast<float>(std::cos(r)), s = static_cast<float>(std::sin(r));
    return {c, s, -s, c, 0, 0};
}

// Append: translate to the centre's origin, turn, translate back, each after what was there;
// prepend: the same three, each before it.
Elements Expected(const Elements& before, const Elements& turn, float cx, float cy, int32_t order) {
    if (order == 1) return Multiply(Multiply(Multiply(before, Translation(-cx, -cy)), turn), Translation(cx, cy));
    return Multiply(Translation(-cx, -cy), Multiply(turn, Multiply(Translation(cx, cy), before)));
}

void ExpectElements(const Elements& actual, const Elements& expected) {
    for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-3) << "element " << i;
}

TEST(TransformAt, ScaleWorldTransformAtIssuesItsThreeCallsInOrder) {
    Canvas canvas(20, 20);
    Matrix matrix;
    const PlusPointF centre{10, 10};
    // From the identity: translate (-10, -10), scale (2, 2), translate (10, 10).
    ASSERT_TRUE(canvas.graphics->ScaleWorldTransformAt(2.0f, 2.0f, &centre, 1));
    ASSERT_TRUE(canvas.graphics->GetWorldTransform(matrix.Object()));
    ExpectElements(matrix.Elements(), {2, 0, 0, 2, -10, -10});
}

// Each class turns its own transform, from a transform that is not the identity, so that the
// two orders differ.
struct TransformCase {
    const char* name;
    std::function<bool(const PlusPointF*, Optional<int32_t>)> turnAt;
    Elements turn;
    std::function<void(PlusObject*)> read;
    std::function<void()> shift;  // translate (5, 3), prepended
};

TEST(TransformAt, EveryClassTurnsItsOwnTransformAboutTheCentreInEitherOrder) {
    Canvas canvas(20, 20);
    Object<PlusPen> pen = Make<PlusPen>();
    ASSERT_TRUE(pen->CreatePen1(kRed, 1.0f));
    Object<PlusLinearBrush> line = Make<PlusLinearBrush>();
    const PlusPointF a{0, 0}, b{10, 0};
    ASSERT_TRUE(line->CreateLineBrush(&a, &b, kRed, kBlue));
    Object<PlusPathBrush> gradient = Make<PlusPathBrush>();
    RecordArray corners = RecordArray::Of<PlusPointF>({{0, 0}, {10, 0}, {10, 10}});
    ASSERT_TRUE(gradient->CreatePathGradient(corners.Get(), Gdiplus::WrapModeClamp));

    PlusGraphics* g = canvas.graphics.Get();
    constexpr auto kPrepend = Gdiplus::MatrixOrderPrepend;
    const TransformCase cases[] = {
        {"graphics scale", [&](const PlusPointF* c, Optional<int32_t> o) { return g->ScaleWorldTransformAt(2.0f, 3.0f, c, o); },
         Scaling(2, 3), [&](PlusObject* m) { g->GetWorldTransform(m); }, [&] { g->TranslateWorldTransform(5.0f, 3.0f, kPrepend); }},
        {"graphics rotate", [&](const PlusPointF* c, Optional<int32_t> o) { return g->RotateWorldTransformAt(90.0f, c, o); },
         Rotation(90), [&](PlusObject* m) { g->GetWorldTransform(m); }, [&] { g->TranslateWorldTransform(5.0f, 3.0f, kPrepend); }},
        {"pen scale", [&](const PlusPointF* c, Optional<int32_t> o) { return pen->ScalePenTransformAt(2.0f, 3.0f, c, o); },
         Scaling(2, 3), [&](PlusObject* m) { pen->GetPenTransform(m); }, [&] { pen->TranslatePenTransform(5.0f, 3.0f, kPrepend); }},
        {"pen rotate", [&](const PlusPointF* c, Optional<int32_t> o) { return pen->RotatePenTransformAt(30.0f, c, o); },
         Rotation(30), [&](PlusObject* m) { pen->GetPenTransform(m); }, [&] { pen->TranslatePenTransform(5.0f, 3.0f, kPrepend); }},
        {"line scale", [&](const PlusPointF* c, Optional<int32_t> o) { return line->ScaleLineTransformAt(2.0f, 3.0f, c, o); },
         Scaling(2, 3), [&](PlusObject* m) { line->GetLineTransform(m); }, [&] { line->TranslateLineTransform(5.0f, 3.0f, kPrepend); }},
        // (Wine's GDI+ does not rotate line brushes: GdipRotateLineTransform answers NotImplemented.)
        {"gradient scale",
         [&](const PlusPointF* c, Optional<int32_t> o) { return gradient->ScalePathGradientTransformAt(2.0f, 3.0f, c, o); },
         Scaling(2, 3), [&](PlusObject* m) { gradient->GetPathGradientTransform(m); },
         [&] { gradient->TranslatePathGradientTransform(5.0f, 3.0f, kPrepend); }},
        {"gradient rotate", [&](const PlusPointF* c, Optional<int32_t> o) { return gradient->RotatePathGradientTransformAt(60.0f, c, o); },
         Rotation(60), [&](PlusObject* m) { gradient->GetPathGradientTransform(m); },
         [&] { gradient->TranslatePathGradientTransform(5.0f, 3.0f, kPrepend); }},
    };
    const PlusPointF centre{10, 7};
    for (const TransformCase& c : cases) {
        for (const Optional<int32_t> order : {Optional<int32_t>(1), Optional<int32_t>(0), Optional<int32_t>()}) {
            SCOPED_TRACE(std::string(c.name) + (order.given ? " order " + std::to_string(order.value) : " order omitted"));
            Matrix before, after;
            c.shift();
            c.read(before.Object());
            ASSERT_TRUE(c.turnAt(&centre, order));
            c.read(after.Object());
            ExpectElements(after.Elements(), Expected(before.Elements(), c.turn, centre.x, centre.y, order.Or(0)));
        }
    }
}

// ---- the argument families ----

TEST(Families, ArraysOfRecordsTravelAsNativeArraysAndComeBack) {
    Canvas canvas(100, 10);
    Object<PlusPen> pen = Make<PlusPen>();
    ASSERT_TRUE(pen->CreatePen1(0xFF000000, 1.0f, Gdiplus::UnitPixel));
    RecordArray line = RecordArray::Of<PlusPointF>({{0, 5}, {99, 5}});
    ASSERT_TRUE(canvas.graphics->DrawLines(pen.Get(), line.Get()));
    EXPECT_EQ(canvas.Pixel(50, 5), 0xFF000000u);
    EXPECT_EQ(canvas.Pixel(50, 2), kWhite);
    EXPECT_FLOAT_EQ(line.At<PlusPointF>(1).x, 99);

    // An empty array passes count 0, which GDI+ refuses; nothing is drawn.
    RecordArray none;
    EXPECT_FALSE(canvas.graphics->DrawLines(pen.Get(), none.Get()));
    EXPECT_NE(LastStatus, Gdiplus::Ok);

    // The transformed coordinates come back in the caller's records.
    ASSERT_TRUE(canvas.graphics->ScaleWorldTransform(2.0f, 3.0f, Gdiplus::MatrixOrderPrepend));
    RecordArray points = RecordArray::Of<PlusPointF>({{1, 1}, {4, 5}});
    ASSERT_TRUE(canvas.graphics->TransformPoints(Gdiplus::CoordinateSpaceDevice, Gdiplus::CoordinateSpaceWorld, points.Get()));
    EXPECT_FLOAT_EQ(points.At<PlusPointF>(0).x, 2);
    EXPECT_FLOAT_EQ(points.At<PlusPointF>(0).y, 3);
    EXPECT_FLOAT_EQ(points.At<PlusPointF>(1).x, 8);
    EXPECT_FLOAT_EQ(points.At<PlusPointF>(1).y, 15);
}

TEST(Families, CreateGetCloneAndTestOnBrushesAndRegions) {
    Object<PlusSolidBrush> brush = SolidBrush(0x80112233);
    EXPECT_NE(brush->own, nullptr);
    EXPECT_EQ(brush->brush, brush->own);
    EXPECT_EQ(brush->GetSolidFillColor(), 0x80112233u);
    EXPECT_EQ(brush->GetBrushType(), Gdiplus::BrushTypeSolidColor);
    ASSERT_TRUE(brush->SetSolidFillColor(0xFF445566));
    Object<PlusSolidBrush> copy = Make<PlusSolidBrush>();
    ASSERT_TRUE(brush->CloneBrush(copy.Get()));
    EXPECT_NE(copy->own, nullptr);
    EXPECT_NE(copy->own, brush->own);
    EXPECT_EQ(copy->handle, copy->own);
    EXPECT_EQ(copy->GetSolidFillColor(), 0xFF445566u);

    Canvas canvas(10, 10);
    Object<PlusRegion> region = Make<PlusRegion>();
    const PlusRectF rect{2, 3, 4, 5};
    ASSERT_TRUE(region->CreateRegionRect(&rect));
    EXPECT_TRUE(region->IsVisibleRegionPoint(3.0f, 4.0f, canvas.graphics.Get()));
    EXPECT_FALSE(region->IsVisibleRegionPoint(8.0f, 4.0f, canvas.graphics.Get()));
    Record<PlusRectF> bounds(region->GetRegionBounds(canvas.graphics.Get()));
    EXPECT_FLOAT_EQ(bounds.Get()->x, 2);
    EXPECT_FLOAT_EQ(bounds.Get()->y, 3);
    EXPECT_FLOAT_EQ(bounds.Get()->width, 4);
    EXPECT_FLOAT_EQ(bounds.Get()->height, 5);
    RecordArray scans;
    Matrix identity;
    EXPECT_EQ(region->GetRegionScans(identity.Object(), scans.Slot()), 1);
    ASSERT_EQ(scans.Count(), 1u);
    EXPECT_FLOAT_EQ(scans.At<PlusRectF>(0).width, 4);
    ASSERT_TRUE(canvas.graphics->FillRegion(SolidBrush(kRed).Get(), region.Get()));
    EXPECT_EQ(canvas.Pixel(3, 4), kRed);
    EXPECT_EQ(canvas.Pixel(7, 4), kWhite);
}

TEST(Families, ScalarArraysAndByteSetsTravelWithTheirCounts) {
    Object<PlusPen> pen = Make<PlusPen>();
    ASSERT_TRUE(pen->CreatePen1(0xFF000000, 2.0f));
    const int32_t three = 3;
    Array dashes(kTypeFloat, MakeArray(kTypeFloat, &three, 1));
    dashes.At<float>(1) = 1.0f;
    dashes.At<float>(2) = 2.0f;
    dashes.At<float>(3) = 3.0f;
    ASSERT_TRUE(pen->SetPenDashArray(dashes.Get()));
    ArrayValue* read = MakeEmptyArray();
    ASSERT_EQ(pen->GetPenDashArray(&read), 3);
    ASSERT_EQ(ElementCount(read), 3u);
    EXPECT_FLOAT_EQ(ScalarElements<float>(read)[0], 1.0f);
    EXPECT_FLOAT_EQ(ScalarElements<float>(read)[2], 3.0f);
    FreeArray(kTypeFloat, read);

    Object<PlusRegion> region = Make<PlusRegion>();
    const PlusRectF rect{1, 2, 3, 4};
    ASSERT_TRUE(region->CreateRegionRect(&rect));
    const uint32_t size = region->GetRegionDataSize();
    ASSERT_GT(size, 0u);
    uint32_t filled = 0;
    const Bytes data(region->GetRegionData(size, &filled));
    EXPECT_EQ(filled, size);
    EXPECT_EQ(data.Length(), size);
    Object<PlusRegion> again = Make<PlusRegion>();
    ASSERT_TRUE(again->CreateRegionRgnData(data.Get()));
    Canvas canvas(10, 10);
    EXPECT_TRUE(region->IsEqualRegion(again.Get(), canvas.graphics.Get()));
    Matrix identity;
    EXPECT_EQ(region->GetRegionScansCount(identity.Object()), 1u);
}

TEST(Families, NearestColourIsAskedForTheColourGiven) {
    Canvas canvas(2, 2);  // 32 bits per pixel: every colour is its own nearest
    EXPECT_EQ(canvas.graphics->GetNearestColor(0xFF123456), 0xFF123456u);
    EXPECT_EQ(canvas.graphics->GetNearestColor(0xFFFEDCBA), 0xFFFEDCBAu);
}

TEST(Families, PathFromPointsTakesNoMorePointsThanTypeBytes) {
    RecordArray points = RecordArray::Of<PlusPointF>({{0, 0}, {10, 0}, {10, 10}});
    const uint8_t types[] = {Gdiplus::PathPointTypeStart, Gdiplus::PathPointTypeLine};
    const Bytes twoTypes = Bytes::Copy(types, sizeof types);
    Object<PlusPath> path = Make<PlusPath>();
    ASSERT_TRUE(path->CreatePath2(points.Get(), twoTypes.Get()));
    EXPECT_EQ(path->GetPointCount(), 2);
    EXPECT_EQ(path->GetPathFillMode(), Gdiplus::FillModeAlternate);
}

TEST(Families, MeasureCharacterRangesWithCountZeroIsInvalidWithoutACall) {
    Canvas canvas(10, 10);
    ArrayValue* regions = MakePointerArray(0);
    ArrayValue* const before = regions;
    LastStatus = 0x7777;
    const PlusRectF layout{0, 0, 10, 10};
    EXPECT_FALSE(canvas.graphics->MeasureCharacterRanges("abc", static_cast<PlusFont*>(nullptr), &layout,
                                                         static_cast<PlusStringFormat*>(nullptr), 0, &regions));
    EXPECT_EQ(LastStatus, Gdiplus::InvalidParameter);
    EXPECT_EQ(regions, before);
    FreeRecordArray(regions);
}

}  // namespace
