#pragma once

#include "diary/store/NodeTree.h"

#include <QString>

// The password tree: a root that carries one node whose text is the password. Stored as
// plain text in a tree file, as the rest of the program's trees.
class PasswordTree final
{
public:
    enum class Change
    {
        Done,
        WrongOldPassword
    };

    PasswordTree();

    NodeTree& tree() { return m_tree; }
    // Whether the tree has the password node (absolute index 1).
    bool hasPassword() const;
    QString password() const;
    bool matches(const QString& entered) const;
    // Sets the new password in memory when oldPassword matches.
    Change change(const QString& oldPassword, const QString& newPassword);

private:
    NodeTree m_tree;
};
