#include "charts/FanChart.h"

#include "chartparts/BoxSettings.h"
#include "chartparts/CCurveText.h"
#include "chartparts/CSymbol.h"
#include "chartparts/ComponentGeometry.h"
#include "chartparts/Connectors.h"
#include "charts/ChartFont.h"
#include "charts/FanGeometry.h"
#include "data/DisplayText.h"
#include "data/PersonNode.h"
#include "data/ProjectDatabase.h"
#include "engine/CODBoolProperty.h"
#include "engine/CODCurveComponent.h"
#include "engine/CODFillProperties.h"
#include "engine/CODFontProperties.h"
#include "engine/CODLineComponent.h"
#include "engine/CODLineProperties.h"
#include "engine/CODModel.h"
#include "engine/ODHelpers.h"
#include "engine/PropertyIds.h"
#include "platform/Arithmetic.h"
#include "platform/CDC.h"
#include "platform/CommandFile.h"
#include "platform/ResourceStrings.h"
#include "platform/StatusBarProgress.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kSection = "FanChart";
constexpr const char* kDatabase = "database";
constexpr const char* kChartName = "Fan Chart";

constexpr int kFullCircle = 360;
constexpr int kHalfCircle = 180;
constexpr int kTenths = 10;
constexpr int kFullTurnTenths = 3600;
constexpr int kQuarterTurnTenths = 900;
constexpr int kHalfTurnTenths = 1800;

// More generations would only divide the outer rings into cells of no width
// at the cost of millions of lines; 2^15 cells are in the outermost ring.
constexpr int kMaxGenerations = 16;
constexpr int kUnknownWidth = 1;
constexpr int kDefaultStepWidth = 30;

// Detail thresholds by the fan's width in degrees: straight texts of
// generations up to the threshold put the life span on a line of its own.
struct Threshold {
    int belowDegrees;
    int generation;
};
constexpr Threshold kThresholds[] = {{45, 0}, {90, 4}, {180, 6}};
constexpr int kWideThreshold = 7;

// Curved rings are 9 font heights wide, and 1.8 times that in the first
// three generations of a fan narrower than a half circle.
constexpr int kCurvedRingHeights = 9;
constexpr double kNarrowFanWidening = 1.8;
constexpr int kNarrowFanGenerations = 4;
// The widest straight text starts at 11 units a point.
constexpr int kStraightUnitsPerPoint = 11;
constexpr int kStraightMargin = 30;
// The chart font's size over the measuring font's: F0 × 2 ÷ 23.
constexpr double kMeasureFactorPerPoint = 2.0 / 23.0;

constexpr int kFirstReductionGeneration = 8;
constexpr int kFirstReduction = 2;
constexpr int kSecondReductionGeneration = 10;
constexpr int kSecondReduction = 3;
constexpr int kMinFontSize = 4;

// Curves are drawn this much inside their circle, and life spans three font
// sizes further in; texts start 0.6 degrees into their cell.
constexpr int kCurveInset = 5;
constexpr int kLifeSpanInsetPerPoint = 3;
constexpr int kCellLead = 6;
// A fitted text leaves 2 degrees of its cell free; it is shortened two characters at a time.
constexpr int kFitSlack = 20;
constexpr int kShortenStep = 2;

// Colour, both widths and style: a line keeps its own transparent flag.
constexpr unsigned kChartLineFields = 13;

constexpr int kArcStepsSecond = 36;
constexpr int kArcStepsThird = 72;
constexpr int kArcStepsMiddle = 96;
constexpr int kLastMiddleArcGeneration = 5;
constexpr int kArcStepsPerCell = 3;

// Angles of the fan are sums of halves of whole degrees; the tolerance only
// keeps a sweep that is not a binary fraction from losing its last step.
constexpr double kAngleTolerance = 1e-9;

struct Cell {
    PersonNode node;
    bool bCurved = false;
    std::unique_ptr<CODTextComponent> pName;  // a CCurveText when curved
    std::unique_ptr<CCurveText> pLifeSpan;    // curved cells with life spans only
};

int DetailThreshold(int degreesWide)
{
    for (const Threshold& threshold : kThresholds)
        if (degreesWide < threshold.belowDegrees)
            return threshold.generation;
    return kWideThreshold;
}

int ArcSteps(int generation)
{
    if (generation == 2)
        return kArcStepsSecond;
    if (generation == 3)
        return kArcStepsThird;
    if (generation <= kLastMiddleArcGeneration)
        return kArcStepsMiddle;
    return kArcStepsPerCell * (1 << (generation - 1));
}

class FanChart {
public:
    FanChart(const CommandFile& file, CODModel& model, CDC& dc)
        : m_file(file), m_model(model), m_dc(dc), m_progress(IDS_PLEASE_WAIT, true)
    {
        m_progress.SetText("Starting Fan Chart");
    }

    void Build(DefaultPropertySource* pDefaults)
    {
        ChartFont::Read(m_file, kSection).ApplyTo(pDefaults);
        ReadSettings();
        ProjectDatabase database(m_file.GetString(kDatabase, "file"));
        database.Open();
        database.LoadOptions(m_file);
        database.ReadPerson(m_nStartPerson);
        Collect(database);
        CreateCells(database);
        SizeRings();
        DrawSectorEdges();
        PlaceMiddle(database);
        PlaceRings(database);
        DrawArcs();
        Insert();
    }

private:
    void ReadSettings()
    {
        m_nStart = m_file.GetInt(kSection, "startangle");
        if (m_nStart < 0) {
            m_nStart %= kFullCircle;
            if (m_nStart < 0)
                m_nStart += kFullCircle;
        }
        m_nDegreesWide = m_file.GetInt(kSection, "DegreesWide");
        m_nEnd = m_nStart + m_nDegreesWide;
        m_nSweep = m_nEnd - m_nStart;
        m_bKeepUpRight = m_file.GetBool(kSection, "KeepUpRight");
        m_bArrows = m_file.GetBool(kSection, "Arrows");
        m_bLifeSpan = m_file.GetBool(kSection, "LifeSpan");
        m_nLifeSpanLength = m_file.GetInt(kSection, "LifeSpanLength");
        // Without a first generation there would be no middle disc to measure from.
        m_nGenerations = std::clamp(m_file.GetInt(kSection, "generations"), 1, kMaxGenerations);
        m_nCurveGenerations = m_file.GetInt(kSection, "CurveGenerations");
        m_bCenterCurveText = m_file.GetBool(kSection, "CenterCurveText");
        m_nStartPerson = m_file.GetLong(kDatabase, "startperson");
        int stepWidth = m_file.GetLong(kSection, "StepWidth");
        if (stepWidth == 0)
            stepWidth = kDefaultStepWidth;
        m_nThreshold = DetailThreshold(m_nDegreesWide);
        m_widths.assign(static_cast<std::size_t>(m_nGenerations) + 1,
                        m_nStartPerson != 0 ? kUnknownWidth : stepWidth);
    }

    void Collect(ProjectDatabase& database)
    {
        std::deque<PersonNode> queue;
        PersonNode root;
        root.m_nGeneration = 1;
        root.m_nNumber = 1;
        root.m_nId = database.GetRecord().m_nId;
        queue.push_back(root);
        m_progress.SetText("Retrieving the Individuals...");
        m_progress.SetRange(database.GetPersonCount());
        // No test for persons met before: an ancestor fills every place he or she holds.
        while (!queue.empty()) {
            m_progress.Step();
            const PersonNode node = queue.front();
            queue.pop_front();
            m_cells.emplace_back().node = node;
            const int g = node.m_nGeneration + 1;
            if (g > m_nGenerations)
                continue;
            database.ReadPerson(node.m_nId);
            const PersonRecord record = database.GetRecord();
            const auto queueParent = [&](std::int32_t id, int number) {
                if (id == 0)
                    return;
                PersonNode parent;
                parent.m_nGeneration = g;
                parent.m_nNumber = number;
                parent.m_nId = id;
                queue.push_back(parent);
            };
            queueParent(record.m_nFather, 2 * node.m_nNumber);
            queueParent(record.m_nMother, 2 * node.m_nNumber + 1);
        }
        std::stable_sort(m_cells.begin(), m_cells.end(),
                         [](const Cell& a, const Cell& b) { return PersonNode::Precedes(a.node, b.node); });
    }

    void CreateCells(ProjectDatabase& database)
    {
        m_fill.SetTransparent(1);
        m_cellLine.SetWidth(ScreenPenWidth(1));
        m_cellLine.SetTransparent(1);
        m_nFontSize0 = m_file.GetInt(kSection, "FontSize");
        m_font.SetFaceName(m_file.GetString(kSection, "Font"));
        m_font.SetPointSize(m_nFontSize0);
        ApplyFontAttribute(m_font, m_file.GetString(kSection, "FontAttribute"));
        m_font.SetColor(m_file.GetColor(kSection, "FontColor"));
        m_fMeasureFactor = m_nFontSize0 * kMeasureFactorPerPoint;
        m_nCurvedWidth = kCurvedRingHeights * PointsToLogical(m_nFontSize0, &m_dc, true);
        m_nWidest = m_nFontSize0 * kStraightUnitsPerPoint;
        m_nFontSize = m_nFontSize0;

        m_progress.SetText("Creating Cells");
        m_progress.SetRange(static_cast<int>(m_cells.size()));
        int reductions = 0;
        int previousGeneration = 0;
        for (Cell& cell : m_cells) {
            m_progress.Step();
            const int g = cell.node.m_nGeneration;
            database.ReadPerson(cell.node.m_nId);
            if (g != previousGeneration) {
                if (g == kFirstReductionGeneration && reductions == 0 && m_nDegreesWide <= kHalfCircle) {
                    m_nFontSize -= kFirstReduction;
                    reductions = 1;
                } else if (g == kSecondReductionGeneration && reductions <= 1) {
                    m_nFontSize -= kSecondReduction;
                    reductions = 2;
                }
                previousGeneration = g;
            }
            m_nFontSize = std::max(m_nFontSize, kMinFontSize);
            m_font.SetPointSize(m_nFontSize);
            if (g <= m_nCurveGenerations)
                CreateCurvedCell(cell, database);
            else
                CreateStraightCell(cell, database);
            cell.node.m_pBox = cell.pName.get();
        }
    }

    std::unique_ptr<CCurveText> NewCurveText(const std::string& text) const
    {
        auto curve = std::make_unique<CCurveText>();
        curve->Create(CRect(0, 0, 10, 10), &m_dc);
        curve->SetText(text);
        curve->SetType(text);
        curve->AddProperty(m_font);
        curve->AddProperty(m_fill);
        curve->AddProperty(m_cellLine);
        return curve;
    }

    void CreateCurvedCell(Cell& cell, ProjectDatabase& database)
    {
        const int g = cell.node.m_nGeneration;
        cell.bCurved = true;
        cell.pName = NewCurveText(database.GetName(0));
        m_widths[static_cast<std::size_t>(g)] = m_nDegreesWide < kHalfCircle && g < kNarrowFanGenerations
            ? TruncateTowardZero(m_nCurvedWidth * kNarrowFanWidening)
            : m_nCurvedWidth;
        if (m_bLifeSpan)
            cell.pLifeSpan = NewCurveText(database.GetLifeSpan(0));
    }

    void CreateStraightCell(Cell& cell, ProjectDatabase& database)
    {
        const int g = cell.node.m_nGeneration;
        const std::string name = database.GetName(0);
        auto text = std::make_unique<CODTextComponent>();
        text->Create(CPoint(0, 0), &m_dc);
        if (g > m_nThreshold && m_bLifeSpan) {
            std::string line = name;
            line.append(" ").append(database.GetLifeSpan(0));
            text->SetText(line);
        } else {
            text->SetText(name);
        }
        text->SetType(name);
        text->AddProperty(m_fill);
        text->AddProperty(m_cellLine);
        text->AddProperty(m_font);
        text->SizeToText(CODTextComponent::kSizeCentre, nullptr, true);
        text->AddProperty(CODBoolProperty(OD_PROP_MULTILINE, 1));
        text->AddProperty(CODBoolProperty(OD_PROP_WORDBREAK, 1));
        const CRect measured = text->GetTextRect();
        if (g <= m_nThreshold && m_bLifeSpan) {
            std::string lines = name;
            lines.append("\n").append(database.GetLifeSpan(m_nLifeSpanLength)).append("\n");
            text->SetText(lines);
        }
        text->SizeToText(CODTextComponent::kSizeCentre, nullptr);
        const int w = measured.right - measured.left;
        int& width = m_widths[static_cast<std::size_t>(g)];
        if (w > width)
            width = w + kStraightMargin;
        m_nWidest = std::max(m_nWidest, w);
        cell.pName = std::move(text);
    }

    void SizeRings()
    {
        int radius = 0;
        for (std::size_t g = 1; g < m_widths.size(); ++g) {
            if (m_widths[g] == kUnknownWidth)
                m_widths[g] = m_nWidest;
            radius += m_widths[g];
        }
        m_geometry = FanGeometry(radius);
        m_centre = m_geometry.Centre();
        m_nMiddleRadius = m_widths[1];

        m_chartLine.SetColor(m_file.GetColor(kSection, "linecolor"));
        m_chartLine.SetWidth(ScreenPenWidth(m_file.GetInt(kSection, "linewidth")));
        m_chartLine.SetStyle(m_file.GetInt(kSection, "linestyle"));  // 0 to 4; others leave it solid
    }

    void AddLine(const POINT& from, const POINT& to)
    {
        auto line = std::make_unique<CODLineComponent>();
        line->Create(std::vector<POINT>{from, to});
        line->ChangeProperty(m_chartLine, kChartLineFields);
        m_set.push_back(std::move(line));
    }

    // The curve takes the first 3k + 1 of the points.
    void AddCurve(const std::vector<POINT>& points)
    {
        if (points.empty())
            return;
        const int count = static_cast<int>((points.size() - 1) / 3 * 3 + 1);
        auto curve = std::make_unique<CODCurveComponent>();
        if (!curve->Create(points.data(), count))
            return;
        curve->ChangeProperty(m_chartLine, kChartLineFields);
        m_set.push_back(std::move(curve));
    }

    void DrawSectorEdges()
    {
        if (m_nSweep >= kFullCircle)
            return;
        AddLine(m_centre, m_geometry.At(m_nStart, m_nMiddleRadius));
        AddLine(m_centre, m_geometry.At(m_nEnd, m_nMiddleRadius));
    }

    // Shortens the current person's text from the source two characters at a
    // time until it leaves 2 degrees of the span free or comes no shorter;
    // the sweep it takes in the chart font.
    int Fit(CCurveText& text, ProjectDatabase& database, bool bLifeSpan, int span) const
    {
        const auto source = [&](std::int32_t length) {
            return bLifeSpan ? database.GetLifeSpan(length) : database.GetName(length);
        };
        std::string s = source(0);
        int previous = 0;
        int sweep = 0;
        for (bool first = true;; first = false) {
            const int length = static_cast<int>(DisplayText::CharacterCount(s)) - (first ? 0 : kShortenStep);
            // 0 or less would ask the source for the whole text again.
            if (!first && (length == previous || length < 1))
                break;
            previous = length;
            s = source(length);
            text.SetText(s);
            sweep = TruncateTowardZero(text.MeasureSweep(&m_dc) * m_fMeasureFactor);
            if (sweep + kFitSlack <= span)
                break;
        }
        return sweep;
    }

    // Fits, turns and centres a curved name or life span about the fan's
    // centre; the middle disc centres only a text that fits and turns a full
    // circle's text to read about the top.
    void PlaceCurve(CCurveText& curve, ProjectDatabase& database, bool bLifeSpan, int radius, int angle, int span,
                    bool bMiddle)
    {
        const int diameter = 2 * radius - (bLifeSpan ? kLifeSpanInsetPerPoint * m_nFontSize : 0) - kCurveInset;
        // The characters are set on the circle that the turned control points
        // span, up to 1.14 times the curve's radius: the curve is sized so that
        // they hang from the circle of that diameter inside the ring, and are
        // measured there.
        const int wanted = diameter / 2;
        int size = diameter;
        const auto resize = [&] {
            if (const int current = curve.CharacterRadius(); current > 0) {
                size = RoundHalfAwayFromZero(static_cast<double>(size) * wanted / current);
                curve.CreateCurve(0, 0, size, size);
            }
        };
        curve.CreateCurve(0, 0, size, size);
        resize();
        const int sweep = Fit(curve, database, bLifeSpan, span);
        if (m_bCenterCurveText && (!bMiddle || span - sweep > 0))
            angle = TruncateTowardZero((span - sweep) * 0.5 + angle + (bLifeSpan ? kCellLead : 0));
        if (bMiddle && m_bKeepUpRight && span == kFullTurnTenths)
            angle = kQuarterTurnTenths - sweep / 2;
        curve.Rotate(static_cast<float>(angle), static_cast<float>(m_centre.x), static_cast<float>(m_centre.y), 1, 1);
        resize();  // turned, the control points span a little more or less
        curve.CenterAt(m_centre.x, m_centre.y);
    }

    void PlaceCurvedCell(Cell& cell, ProjectDatabase& database, int radius, int angle, int span, bool bMiddle)
    {
        database.ReadPerson(cell.node.m_nId);
        cell.node.m_nX = m_centre.x;
        cell.node.m_nY = m_centre.y;
        PlaceCurve(static_cast<CCurveText&>(*cell.pName), database, false, radius, angle, span, bMiddle);
        if (m_bLifeSpan && cell.pLifeSpan)
            PlaceCurve(*cell.pLifeSpan, database, true, radius, angle, span, bMiddle);
    }

    // Turns a straight text along the direction, its box as long as the ring is wide.
    void PlaceStraightCell(Cell& cell, const POINT& anchor, int angle, int ringWidth)
    {
        if (m_bKeepUpRight && (angle > kQuarterTurnTenths || angle < -kQuarterTurnTenths))
            angle += kHalfTurnTenths;
        cell.node.m_nX = anchor.x;
        cell.node.m_nY = anchor.y;
        CODTextComponent& text = *cell.pName;
        CRect box = text.GetTextRect();
        box.right = box.left + ringWidth;
        text.SetTextRect(box);
        text.Rotate(static_cast<float>(angle), static_cast<float>(anchor.x), static_cast<float>(anchor.y), 1, 1);
        text.CenterAt(anchor.x, anchor.y);
    }

    void PlaceMiddle(ProjectDatabase& database)
    {
        Cell& middle = m_cells.front();
        if (middle.bCurved) {
            const int angle = TruncateTowardZero(m_nStart * kTenths + kCellLead);
            const int span = TruncateTowardZero(static_cast<double>(m_nEnd) * kTenths - m_nStart * kTenths);
            PlaceCurvedCell(middle, database, m_nMiddleRadius, angle, span, true);
            return;
        }
        const double mid = m_nSweep * 0.5 + m_nStart;
        const POINT rim = m_geometry.At(mid, m_nMiddleRadius);
        PlaceStraightCell(middle, m_geometry.At(mid, m_nMiddleRadius / 2),
                          AngleBetween(m_centre.x, m_centre.y, rim.x, rim.y), m_widths[1]);
    }

    void AddArrow(const POINT& inner, const POINT& outer)
    {
        std::unique_ptr<CSymbol> arrow = MakeArrowSymbol(m_nFontSize / 2, m_nFontSize, 0, 1, 0);
        arrow->CenterAt(inner.x, inner.y);
        arrow->Rotate(static_cast<float>(AngleBetween(outer.x, outer.y, inner.x, inner.y)),
                      static_cast<float>(inner.x), static_cast<float>(inner.y), 1, 1);
        m_set.push_back(std::move(arrow));
    }

    void PlaceRings(ProjectDatabase& database)
    {
        m_progress.SetText("Positioning people in the Fan Chart....");
        m_progress.SetRange(static_cast<int>(m_cells.size()));
        int number = 2;
        bool bArrow = true;
        int outer = m_nMiddleRadius;
        std::size_t next = 1;
        // A fan of no width has no cells to divide.
        if (m_nSweep <= 0)
            return;
        for (int g = 2; g <= m_nGenerations; ++g) {
            m_progress.Step();
            const int cells = 1 << (g - 1);
            const int inner = outer;
            const int ringWidth = m_widths[static_cast<std::size_t>(g)];
            outer += ringWidth;
            const int middle = ringWidth / 2 + inner;
            const double cellAngle = static_cast<double>(m_nSweep) / cells;
            const double half = cellAngle * 0.5;
            bool bFirst = true;
            for (double theta = m_nStart; theta <= m_nEnd + kAngleTolerance; bFirst = false) {
                const bool bAtEnd = std::abs(theta - m_nEnd) <= kAngleTolerance;
                const POINT pIn = m_geometry.At(theta, inner);
                const POINT pOut = m_geometry.At(theta, outer);
                AddLine(pIn, pOut);
                if (m_bArrows && (bFirst || !bAtEnd)) {
                    bArrow = !bArrow;
                    if (bArrow && !bFirst)
                        AddArrow(pIn, pOut);
                }
                theta += half;
                if (m_nStartPerson != 0 && next < m_cells.size() && m_cells[next].node.m_nNumber == number) {
                    Cell& cell = m_cells[next++];
                    if (cell.bCurved) {
                        const int angle = std::abs(TruncateTowardZero((theta - half) * kTenths)) + kCellLead;
                        PlaceCurvedCell(cell, database, outer, angle, TruncateTowardZero(cellAngle * kTenths), false);
                    } else {
                        const POINT from = m_geometry.At(theta, inner);
                        const POINT to = m_geometry.At(theta, outer);
                        PlaceStraightCell(cell, m_geometry.At(theta, middle), AngleBetween(from.x, from.y, to.x, to.y),
                                          ringWidth);
                    }
                }
                theta += half;
                if (std::abs(theta - m_nEnd) > kAngleTolerance)
                    ++number;
            }
        }
    }

    void DrawArcs()
    {
        m_progress.SetText("Drawing the Arcs");
        m_progress.SetRange(m_nGenerations);
        if (m_nSweep <= 0)
            return;
        int outer = m_nMiddleRadius;
        std::vector<POINT> rim;
        for (int g = 2; g <= m_nGenerations; ++g) {
            m_progress.Step();
            const int inner = outer;
            outer += m_widths[static_cast<std::size_t>(g)];
            const double step = static_cast<double>(m_nSweep) / ArcSteps(g);
            std::vector<POINT> arc;
            for (double theta = m_nStart; theta <= m_nEnd + kAngleTolerance; theta += step) {
                arc.push_back(m_geometry.At(theta, inner));
                if (g == m_nGenerations)
                    rim.push_back(m_geometry.At(theta, outer));
            }
            arc.push_back(arc.back());
            AddCurve(arc);
        }
        AddCurve(rim);
    }

    void Insert()
    {
        m_progress.SetText("Setting the names in place");
        m_progress.SetRange(static_cast<int>(m_cells.size()));
        for (Cell& cell : m_cells) {
            m_progress.Step();
            m_set.push_back(std::move(cell.pName));
            if (m_bLifeSpan && cell.pLifeSpan)
                m_set.push_back(std::move(cell.pLifeSpan));
        }
        std::vector<CODComponent*> children;
        children.reserve(m_set.size());
        for (std::unique_ptr<CODComponent>& component : m_set)
            children.push_back(component.release());
        auto container = std::make_unique<CSymbol>();
        container->Create(children);
        container->SetName(kChartName);
        m_progress.Step();
        container->MoveTo(m_file.GetInt(kSection, "LocationX"), m_file.GetInt(kSection, "LocationY"));
        m_progress.SetText("Inserting the chart");
        m_model.AddChild(container.release());
    }

    const CommandFile& m_file;
    CODModel& m_model;
    CDC& m_dc;
    StatusBarProgress m_progress;

    int m_nStart = 0;
    int m_nDegreesWide = 0;
    int m_nEnd = 0;
    int m_nSweep = 0;
    bool m_bKeepUpRight = false;
    bool m_bArrows = false;
    bool m_bLifeSpan = false;
    int m_nLifeSpanLength = 0;
    int m_nGenerations = 1;
    int m_nCurveGenerations = 0;
    bool m_bCenterCurveText = false;
    std::int32_t m_nStartPerson = 0;
    int m_nThreshold = 0;

    int m_nFontSize0 = 0;
    int m_nFontSize = 0;
    double m_fMeasureFactor = 0.0;
    int m_nCurvedWidth = 0;
    int m_nWidest = 0;
    std::vector<int> m_widths;  // ring width by generation, 0 to G
    FanGeometry m_geometry{0};
    POINT m_centre{};
    int m_nMiddleRadius = 0;

    CODLineProperties m_cellLine;
    CODLineProperties m_chartLine;
    CODFillProperties m_fill;
    CODFontProperties m_font;

    std::vector<Cell> m_cells;
    std::vector<std::unique_ptr<CODComponent>> m_set;  // the fan's children, in drawing order
};

}  // namespace

void BuildFanChart(const CommandFile& file, CODModel& model, DefaultPropertySource* pDefaults, CDC* pDC)
{
    FanChart chart(file, model, pDC != nullptr ? *pDC : ScreenContext());
    chart.Build(pDefaults);
}
