#pragma once

#include <QString>

// The texts one two-level tree shows while it is edited: the input boxes for a new category
// (source, type) or member (person, item), the refusals and the questions.
struct TreeTexts
{
    QString firstCategoryCaption; // input box caption when the tree is still empty
    QString categoryCaption;
    QString categoryPrompt;
    QString memberCaption;
    QString memberPrompt;

    QString addCategoryNeedsCategory; // adding a category with a member or nothing selected
    QString addMemberNeedsCategory;
    QString deleteNeedsCategory;
    QString deleteNeedsMember;

    QString categoryExists;
    QString memberExists;
    QString renameClash;

    QString confirmDeleteCategory;
    QString confirmDeleteMember;
    QString confirmRename;
};
