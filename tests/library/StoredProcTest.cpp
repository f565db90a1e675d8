// Stored procedure parameters over the in-memory server.
#include "LibraryFixture.h"
#include "tests/support/ErrorMessage.h"

namespace {

TEST_F(LibraryTest, ParametersComeWithTheirDirectionsWhenDue) {
  auto* proc = new TmySQLStoredProc(&FForm);
  EXPECT_EQ(DatabaseErrorMessage([&] { proc->RefreshParams(); }), "Database not assigned");
  proc->SetDatabase(NewDatabase(false));
  proc->SetProcedureName(STR("add order"));
  EXPECT_EQ(proc->GetParamsCount(), 0);
  proc->RefreshParams();
  ASSERT_EQ(proc->GetParamsCount(), 3);
  EXPECT_EQ(proc->Params()->Items(0)->ParamType(), TParamType::ptInput);
  EXPECT_EQ(proc->Params()->Items(1)->ParamType(), TParamType::ptOutput);
  EXPECT_EQ(proc->Params()->Items(2)->ParamType(), TParamType::ptInputOutput);
  EXPECT_EQ(proc->Params()->Items(2)->DataType(), TFieldType::ftFMTBcd);

  // Not due: the server is not asked again, and edits of the list stay.
  proc->Params()->Items(0)->SetAsInteger(7);
  proc->Params()->Delete(2);
  proc->RefreshParams();
  EXPECT_EQ(proc->GetParamsCount(), 2);
  proc->SetNeedRefreshParams();
  proc->RefreshParams();
  EXPECT_EQ(proc->GetParamsCount(), 3);
  EXPECT_EQ(proc->Params()->Items(0)->AsInteger(), 7);  // kept

  proc->SetProcedureName(STR("total"));
  proc->RefreshParams();
  ASSERT_EQ(proc->GetParamsCount(), 2);
  EXPECT_EQ(proc->Params()->Items(0)->ParamType(), TParamType::ptResult);
  EXPECT_EQ(proc->Params()->Items(0)->Name(), STR("Result"));

  proc->SetProcedureName(STR("missing"));
  EXPECT_EQ(DatabaseErrorMessage([&] { proc->RefreshParams(); }),
            "Stored procedure 'missing' does not exist");
  EXPECT_THROW(proc->Open(), EDatabaseError);
}

}  // namespace
