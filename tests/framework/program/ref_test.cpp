// The lifetime protocol of ref: attach retains, detach releases while the
// referent's owner is held, an invalidated ref forgets its service.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/module/test_module.h"
#include "zv/framework/adapters.h"

namespace {

using ::testing::InSequence;
using ::testing::Return;
using ::testing::StrictMock;
using ::testing::Truly;

class Mock_referent : public zv::referent_impl {
 public:
  MOCK_METHOD(void, retain, (zv::referrer), (override));
  MOCK_METHOD(void, release, (zv::referrer), (override));
  MOCK_METHOD(zv::referent, owner, (), (override));
};

class Mock_service : public zv::scene_2d_service_impl {
 public:
  MOCK_METHOD(zv::referent, as_referent, (), (override));
};

using service_ref = zv::ref<zv::scene_2d_service, false, zv::reftraits<zv::scene_2d_service>>;

auto is_null_referrer() {
  return Truly([](zv::referrer r) { return r.is_null(); });
}
auto is_referrer_of(service_ref& holder) {
  return Truly([&holder](zv::referrer r) { return zv::referrer_impl::from_interface(r) == &holder; });
}

class Ref : public ::testing::Test {
 protected:
  zv::referent referent_handle() { return static_cast<zv::referent>(referent_); }
  zv::referent owner_handle() { return static_cast<zv::referent>(owner_); }

  StrictMock<Mock_service> service_;
  StrictMock<Mock_referent> referent_;
  StrictMock<Mock_referent> owner_;
};

TEST_F(Ref, DetachHoldsTheOwnerAcrossTheRelease) {
  service_ref holder(service_);
  {
    InSequence order;
    EXPECT_CALL(service_, as_referent()).WillOnce(Return(referent_handle()));
    EXPECT_CALL(referent_, retain(is_referrer_of(holder)));
    EXPECT_CALL(service_, as_referent()).WillOnce(Return(referent_handle()));
    EXPECT_CALL(referent_, owner()).WillOnce(Return(owner_handle()));
    EXPECT_CALL(owner_, retain(is_null_referrer()));
    EXPECT_CALL(referent_, release(is_referrer_of(holder)));
    EXPECT_CALL(owner_, release(is_null_referrer()));
  }
  holder.attach();
  EXPECT_TRUE(holder.attached());
  holder.detach();
  EXPECT_FALSE(holder.attached());
  EXPECT_FALSE(holder.is_null());  // the handle itself stays
}

// Without an owner only the referent is released. Each retain is matched by
// exactly one release: a second attach or detach adds nothing, destruction
// releases what is still retained and nothing after a detach.
TEST_F(Ref, RetainAndReleaseStayBalanced) {
  EXPECT_CALL(service_, as_referent()).Times(4).WillRepeatedly(Return(referent_handle()));
  EXPECT_CALL(referent_, owner()).Times(2).WillRepeatedly(Return(zv::referent()));
  EXPECT_CALL(referent_, retain(::testing::_)).Times(2);
  EXPECT_CALL(referent_, release(::testing::_)).Times(2);
  service_ref detached(service_);
  detached.attach();
  detached.attach();
  detached.detach();
  detached.detach();
  service_ref destroyed(service_);
  destroyed.attach();
}

TEST_F(Ref, AnInvalidatedRefForgetsTheServiceAndCallsNothing) {
  EXPECT_CALL(service_, as_referent()).WillOnce(Return(referent_handle()));
  EXPECT_CALL(referent_, retain(::testing::_));
  service_ref holder(service_);
  holder.attach();

  zv::referrer const me = static_cast<zv::referrer>(static_cast<zv::referrer_impl&>(holder));
  EXPECT_TRUE(me.reachable());
  me.invalidate(referent_handle());
  EXPECT_TRUE(holder.is_null());
  holder.detach();  // the strict mocks fail on any further call
}

TEST_F(Ref, NullServiceOrNullReferentRetainsNothing) {
  service_ref empty;
  empty.attach();
  EXPECT_FALSE(empty.attached());

  EXPECT_CALL(service_, as_referent()).WillOnce(Return(zv::referent()));
  service_ref no_referent(service_);
  no_referent.attach();
  EXPECT_FALSE(no_referent.attached());
}

TEST(RefAcrossModules, TheProviderInvalidatesItsReferrers) {
  service_ref holder(zvt_module_scene_service());
  holder.attach();
  EXPECT_EQ(zvt_module_referrer_count(), 1);
  holder.detach();
  EXPECT_EQ(zvt_module_referrer_count(), 0);

  holder.attach();
  zvt_module_invalidate_referrers();
  EXPECT_TRUE(holder.is_null());
  EXPECT_EQ(zvt_module_referrer_count(), 0);
}

}  // namespace
