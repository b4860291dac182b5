#include "engine/CODCommandHistory.h"
#include "engine/CODModel.h"
#include "engine/CODModelObserver.h"
#include "engine/CODMoveCommand.h"
#include "engine/CODRectComponent.h"
#include "tests/engine/HintRecorder.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

CODRectComponent* AddRect(CODModel& model, const CRect& rect)
{
    auto* shape = new CODRectComponent();
    shape->Create(rect);
    model.AddChild(shape);
    return shape;
}

// A command that records what was done to it, for the history's own rules.
class ProbeCommand : public CODCommand {
public:
    struct Log {
        int executed = 0;
        int undone = 0;
        int deleted = 0;
    };

    ProbeCommand(Log& log, bool bSucceeds = true, bool bUndoable = true)
        : CODCommand(nullptr, {}), m_log(log), m_bSucceeds(bSucceeds), m_bUndoable(bUndoable)
    {
    }
    ~ProbeCommand() override { ++m_log.deleted; }

    bool Execute() override
    {
        ++m_log.executed;
        return m_bSucceeds;
    }
    bool Unexecute() override
    {
        ++m_log.undone;
        return true;
    }
    bool CanUndo() const override { return m_bUndoable; }
    std::string GetDescription() const override { return "Probe"; }

private:
    Log& m_log;
    bool m_bSucceeds;
    bool m_bUndoable;
};

TEST(CommandHistory, ThreeHundredCommandsLeaveTheLast256ToUndo)
{
    CODModel model;
    model.SetSize(2000, 2000);
    CODRectComponent* box = AddRect(model, CRect(0, 0, 100, 50));
    const CRect start = box->GetBounds();
    CODCommandHistory& history = model.GetHistory();
    for (int i = 0; i < 300; ++i)
        ASSERT_TRUE(history.Do(std::make_unique<CODMoveCommand>(&model, std::vector<CODComponent*>{box}, 1, 0)));
    EXPECT_EQ(history.GetUndoCount(), 256);
    EXPECT_EQ(box->GetBounds().left, start.left + 300);

    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_EQ(undone, 256);
    // The first 44 moves fell out of the ring and stay.
    EXPECT_EQ(box->GetBounds().left, start.left + 44);
    EXPECT_EQ(history.GetRedoCount(), 256);
    EXPECT_FALSE(history.CanUndo());

    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(box->GetBounds().left, start.left + 45);
}

TEST(CommandHistory, ANewCommandAfterUndoEmptiesRedo)
{
    CODModel model;
    model.SetSize(2000, 2000);
    CODRectComponent* box = AddRect(model, CRect(0, 0, 100, 50));
    CODCommandHistory& history = model.GetHistory();
    for (int dx : {10, 20, 30})
        history.Do(std::make_unique<CODMoveCommand>(&model, std::vector<CODComponent*>{box}, dx, 0));
    ASSERT_TRUE(history.Undo());
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(history.GetRedoCount(), 2);
    EXPECT_EQ(box->GetBounds().left, 10);

    history.Do(std::make_unique<CODMoveCommand>(&model, std::vector<CODComponent*>{box}, 0, 5));
    EXPECT_FALSE(history.CanRedo());
    EXPECT_FALSE(history.Redo());
    EXPECT_EQ(history.GetUndoCount(), 2);
    EXPECT_EQ(box->GetBounds(), CRect(10, 5, 110, 55));
}

TEST(CommandHistory, FailedCommandsAreNotKeptAndUndoSkipsThoseThatCannotBeUndone)
{
    ProbeCommand::Log first;
    ProbeCommand::Log failing;
    ProbeCommand::Log fixed;
    CODCommandHistory history;
    ASSERT_TRUE(history.Do(std::make_unique<ProbeCommand>(first)));
    EXPECT_FALSE(history.Do(std::make_unique<ProbeCommand>(failing, false)));
    EXPECT_EQ(failing.deleted, 1);
    ASSERT_TRUE(history.Do(std::make_unique<ProbeCommand>(fixed, true, false)));
    EXPECT_EQ(history.GetUndoCount(), 2);

    // The step that cannot be undone is dropped on the way to the one before.
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(fixed.undone, 0);
    EXPECT_EQ(fixed.deleted, 1);
    EXPECT_EQ(first.undone, 1);
    EXPECT_EQ(history.GetRedoCount(), 1);
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(first.executed, 2);
}

TEST(CommandHistory, TheOldestStepIsDeletedWhenTheRingIsFull)
{
    ProbeCommand::Log oldest;
    ProbeCommand::Log others;
    CODCommandHistory history;
    history.Do(std::make_unique<ProbeCommand>(oldest));
    for (int i = 1; i < CODCommandRing::kCapacity; ++i)
        history.Do(std::make_unique<ProbeCommand>(others));
    EXPECT_EQ(oldest.deleted, 0);
    history.Do(std::make_unique<ProbeCommand>(others));
    EXPECT_EQ(oldest.deleted, 1);
    EXPECT_EQ(others.deleted, 0);
    EXPECT_EQ(history.GetUndoCount(), CODCommandRing::kCapacity);
}

TEST(CommandHistory, EveryStepModifiesTheModelAndIsHeardAndResetEmptiesTheHistory)
{
    CODModel model;
    CODRectComponent* box = AddRect(model, CRect(0, 0, 10, 10));
    quorrel_test::HintRecorder counter;
    model.AddObserver(&counter);
    CODCommandHistory& history = model.GetHistory();
    for (const auto& step : std::vector<std::function<bool()>>{
             [&] { return history.Do(std::make_unique<CODMoveCommand>(&model, std::vector<CODComponent*>{box}, 1, 1)); },
             [&] { return history.Undo(); }, [&] { return history.Redo(); }}) {
        model.SetModified(false);
        ASSERT_TRUE(step());
        EXPECT_TRUE(model.IsModified());
    }
    EXPECT_EQ(counter.hints, (std::vector<int>{CODModelObserver::kHintComponents, CODModelObserver::kHintComponents,
                                               CODModelObserver::kHintComponents}));
    model.Reset();
    EXPECT_FALSE(history.CanUndo());
    model.RemoveObserver(&counter);
}

}  // namespace
