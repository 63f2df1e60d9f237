#include "diary/shell/PasswordTree.h"

PasswordTree::PasswordTree()
{
    // Built-in content before any file is loaded: root "node" with an empty password.
    TreeNode* root = m_tree.addRoot(QStringLiteral("node"));
    m_tree.addChild(root, QString());
    m_tree.setExpanded(root, true);
}

bool PasswordTree::hasPassword() const
{
    return m_tree.nodeCount() >= 2;
}

QString PasswordTree::password() const
{
    return m_tree.nodeAt(1)->text();
}

bool PasswordTree::matches(const QString& entered) const
{
    return entered == password();
}

PasswordTree::Change PasswordTree::change(const QString& oldPassword, const QString& newPassword)
{
    if (!matches(oldPassword))
        return Change::WrongOldPassword;
    m_tree.setText(m_tree.nodeAt(1), newPassword);
    return Change::Done;
}
