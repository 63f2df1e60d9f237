#include "diary/trees/TreeEditor.h"

#include "common/Clock.h"

#include "common/AppError.h"
#include "common/Prompts.h"
#include "diary/store/NodeTree.h"
#include "diary/store/TreeFile.h"
#include "diary/trees/TreeLists.h"

namespace {

bool isCategory(const TreeNode* node)
{
    return node && node->level() == 0;
}

bool isMember(const TreeNode* node)
{
    return node && node->level() == 1;
}

} // namespace

TreeEditor::TreeEditor(
    NodeTree& tree, Prompts& prompts, const Clock& clock, TreeTexts texts, NewNodes newNodes, QString path)
    : m_tree(tree)
    , m_prompts(prompts)
    , m_clock(clock)
    , m_texts(std::move(texts))
    , m_newNodes(newNodes)
    , m_path(std::move(path))
{
}

void TreeEditor::load()
{
    try {
        LoadTreeFile(m_tree, m_path, m_clock.now());
    } catch (const AppError& failure) {
        m_prompts.error(failure.message());
    }
}

void TreeEditor::save()
{
    try {
        SaveTreeFile(m_tree, m_path);
    } catch (const AppError& failure) {
        m_prompts.error(failure.message());
    }
}

void TreeEditor::addCategory(const TreeNode* selected)
{
    const bool empty = m_tree.rootCount() == 0;
    if (!empty && !isCategory(selected))
        return m_prompts.notice(m_texts.addCategoryNeedsCategory);
    const auto name = askName(empty ? m_texts.firstCategoryCaption : m_texts.categoryCaption, m_texts.categoryPrompt);
    if (!name)
        return;
    if (categoryExists(m_tree, *name))
        return m_prompts.notice(m_texts.categoryExists);
    finishNew(m_tree.addRoot(*name), m_newNodes.categoryImage, m_newNodes.categorySelectedImage);
}

void TreeEditor::addMember(TreeNode* selected)
{
    if (!isCategory(selected))
        return m_prompts.notice(m_texts.addMemberNeedsCategory);
    const auto name = askName(m_texts.memberCaption, m_texts.memberPrompt);
    if (!name)
        return;
    if (hasChildNamed(selected, *name))
        return m_prompts.notice(m_texts.memberExists);
    TreeNode* member = m_tree.addChild(selected, *name);
    m_tree.setCheckKind(member, m_newNodes.memberCheckKind);
    finishNew(member, m_newNodes.memberImage, m_newNodes.memberSelectedImage);
}

void TreeEditor::deleteCategory(TreeNode* selected)
{
    if (!isCategory(selected))
        return m_prompts.notice(m_texts.deleteNeedsCategory);
    if (!m_prompts.confirm(m_texts.confirmDeleteCategory, {}, Prompts::Icon::Warning))
        return;
    m_tree.deleteNode(selected);
    save();
}

void TreeEditor::deleteMember(TreeNode* selected)
{
    if (!isMember(selected))
        return m_prompts.notice(m_texts.deleteNeedsMember);
    if (!m_prompts.confirm(m_texts.confirmDeleteMember, {}, Prompts::Icon::Warning))
        return;
    m_tree.deleteNode(selected);
    save();
}

void TreeEditor::rename(TreeNode* node, const QString& text)
{
    if (siblingsHave(m_tree, node, text))
        return m_prompts.notice(m_texts.renameClash);
    if (!m_prompts.confirm(m_texts.confirmRename, {}, Prompts::Icon::Warning))
        return;
    m_tree.setText(node, text);
    save();
}

void TreeEditor::moveMember(TreeNode* dragged, TreeNode* target)
{
    if (!isMember(dragged) || !isCategory(target) || hasChildNamed(target, dragged->text()))
        return;
    m_tree.moveNode(dragged, target);
    save();
}

std::optional<QString> TreeEditor::askName(const QString& caption, const QString& prompt)
{
    const auto answer = m_prompts.input(caption, prompt);
    if (!answer || answer->isEmpty())
        return std::nullopt;
    return answer;
}

void TreeEditor::finishNew(TreeNode* node, int image, int selectedImage)
{
    m_tree.setImages(node, image, selectedImage);
    if (m_newNodes.inTextOrder)
        m_tree.setText(node, node->text()); // setting a text puts the node in its text order
    save();
}
