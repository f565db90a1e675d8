// Who hears of a component taken out of its owner or freed.
#include <gtest/gtest.h>

#include <vector>

#include "classes/Component.h"

namespace {

class TListener : public TComponent {
 public:
  TListener(TComponent* owner, bool watchedOnly) : TComponent(owner) {
    if (watchedOnly) HearWatchedRemovalsOnly();
  }
  void Notification(TComponent* component, TOperation operation) override {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove) Heard.push_back(component);
  }
  std::vector<TComponent*> Heard;
};

using Heard = std::vector<TComponent*>;

TEST(RemovalNotices, SiblingsHearEveryRemovalOrWhatTheyWatch) {
  TComponent root(nullptr);
  auto* all = new TListener(&root, false);
  auto* watching = new TListener(&root, true);
  auto* x = new TComponent(&root);
  auto* y = new TComponent(&root);
  watching->FreeNotification(x);
  // Taken out without being freed: only the owner's notice reaches those that watch it.
  root.RemoveComponent(x);
  EXPECT_EQ(all->Heard, Heard{x});
  EXPECT_EQ(watching->Heard, Heard{x});
  delete x;
  EXPECT_EQ(watching->Heard, (Heard{x, x}));  // and the free notification
  delete y;
  EXPECT_EQ(all->Heard, (Heard{x, y}));
  EXPECT_EQ(watching->Heard, (Heard{x, x}));
  // A watcher in another owner hears only its free notification.
  TComponent other(nullptr);
  auto* far = new TListener(&other, true);
  auto* z = new TComponent(&root);
  far->FreeNotification(z);
  root.RemoveComponent(z);
  EXPECT_TRUE(far->Heard.empty());
  delete z;
  EXPECT_EQ(far->Heard, Heard{z});
}

TEST(RemovalNotices, AWatcherThatOwnsComponentsPassesEveryRemovalOn) {
  TComponent root(nullptr);
  auto* frame = new TListener(&root, true);
  auto* inner = new TListener(frame, false);
  auto* x = new TComponent(&root);
  delete x;
  EXPECT_EQ(frame->Heard, Heard{x});
  EXPECT_EQ(inner->Heard, Heard{x});
  // Once it owns nothing it hears only what it watches again (and of its own components).
  delete inner;
  auto* y = new TComponent(&root);
  delete y;
  ASSERT_EQ(frame->Heard.size(), 2u);
  EXPECT_EQ(frame->Heard[0], x);
  // Moved to another owner, it is told nothing more of this one's (ASan checks no stale entry).
  auto* again = new TListener(frame, false);
  TComponent other(nullptr);
  other.InsertComponent(frame);
  auto* z = new TComponent(&root);
  delete z;
  EXPECT_TRUE(again->Heard.empty());
  auto* w = new TComponent(&other);
  delete w;
  EXPECT_EQ(again->Heard, Heard{w});
}

}  // namespace
