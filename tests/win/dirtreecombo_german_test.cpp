// Run with a German user language: a new combo loads the German shared messages.
#include <gtest/gtest.h>

#include <memory>

#include "filebrowser/combo/DirTreeCombo.h"
#include "filebrowser/lang/SharedMessages.h"
#include "toolkit/Form.h"

TEST(DirTreeComboLanguage, SystemDefaultResolvesFromTheUserLanguage) {
  ASSERT_EQ(PRIMARYLANGID(GetUserDefaultLangID()), LANG_GERMAN) << "run with LC_ALL=de_DE.UTF-8";
  auto form = std::make_unique<TForm>(nullptr);
  auto* combo = TComponent::Create<TDqDirTreeCombo28>(form.get(), form.get());
  EXPECT_EQ(combo->Language(), lnGerman);
  EXPECT_EQ(TreeLanguage, lnGerman);
  EXPECT_EQ(SharedMessage(TStringKey::MsgDriveNotReady), LanguageText(TStringKey::MsgDriveNotReady, lnGerman));
  combo->SetLanguage(lnEnglish);
  EXPECT_EQ(TreeLanguage, lnEnglish);
  EXPECT_EQ(SharedMessage(TStringKey::MsgDriveNotReady), "There is no disk in Drive or Drive is not ready");
}
