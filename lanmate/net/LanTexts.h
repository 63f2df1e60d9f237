#pragma once

#include <QString>

// The assistant's network texts, as the user sees them.
namespace LanTexts {

// Captions.
inline QString errorCaption()
{
    return QStringLiteral("错误了");
}
inline QString offerCaption()
{
    return QStringLiteral("接收到传送文件信息");
}
inline QString answerCaption()
{
    return QStringLiteral("响应");
}
inline QString resultCaption()
{
    return QStringLiteral("结果");
}
inline QString savedCaption()
{
    return QStringLiteral("成功");
}
inline QString infoCaption()
{
    return QStringLiteral("信息");
}

// The save dialog of a received file (and of the chat log).
inline QString saveDialogTitle()
{
    return QStringLiteral("设置接收后保存的路径：");
}
inline QString saveDialogFilter()
{
    return QStringLiteral("所有文件 (*.*);;文本文件(*.txt)");
}

// Status line suffixes, after "HH:MM:SS".
inline QString sentOk()
{
    return QStringLiteral("：发送数据成功");
}
inline QString hostResolved()
{
    return QStringLiteral(":对方确定");
}
inline QString connectOk()
{
    return QStringLiteral("：连接成功");
}
inline QString connectFailed()
{
    return QStringLiteral("：连接失败");
}
inline QString hostInvalid()
{
    return QStringLiteral("：对方地址无效");
}
inline QString disconnected()
{
    return QStringLiteral("：断开连接");
}
inline QString servedClosed()
{
    return QStringLiteral("：OK");
}

// Boxes.
inline QString invalidHostBox()
{
    return QStringLiteral("输入对方的IP地址不正确，请重新输入");
}
inline QString offerFailed()
{
    return QStringLiteral("对方可能没有打开程序，运行错误\r");
}
inline QString streamInvalidHost(const QString& host)
{
    return QStringLiteral("$无效的主机地址:  ") + host + QStringLiteral(" !");
}
inline QString streamConnectFailed()
{
    return QStringLiteral("$连接失败!");
}
inline QString fileReceived()
{
    return QStringLiteral("接收文件成功");
}
inline QString invalidFileName()
{
    return QStringLiteral("文件名无效");
}

} // namespace LanTexts
