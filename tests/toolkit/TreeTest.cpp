// Which form a control belongs to.
#include <gtest/gtest.h>

#include "toolkit/Button.h"
#include "toolkit/Form.h"
#include "toolkit/Panel.h"

TEST(Tree, AControlBelongsToTheFormAtTheRootOfItsTreeAndToNoneWhereTheRootIsNoForm) {
    tk::Form* form = tk::NewForm(nullptr, "rooted");
    tk::Panel* panel = tk::NewPanel(form, tk::esNone);
    tk::Button* button = tk::NewButton(panel, "rooted");
    EXPECT_EQ(form->ParentForm(), form);
    EXPECT_EQ(panel->ParentForm(), form);
    EXPECT_EQ(button->ParentForm(), form);
    delete form;

    tk::Panel root(nullptr, tk::esNone);
    tk::Button* orphan = tk::NewButton(&root, "orphan");
    EXPECT_EQ(root.ParentForm(), nullptr);
    EXPECT_EQ(orphan->ParentForm(), nullptr);
}
