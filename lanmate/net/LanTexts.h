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

// Failures the assistant reports in its own words.
inline QString transferBusy()
{
    return QStringLiteral("正在传送另一个文件，请稍后再试");
}
inline QString cannotOpen(const QString& path, const QString& reason)
{
    return QStringLiteral("无法读取文件 ") + path + QStringLiteral("：") + reason;
}
inline QString fileShrank(const QString& path)
{
    return QStringLiteral("文件 ") + path + QStringLiteral(" 在传送中变短了，传送失败");
}
inline QString noProgress()
{
    return QStringLiteral("60 秒没有进展，文件传送失败");
}
inline QString noReply(const QString& peer)
{
    return QStringLiteral("用户 ") + peer + QStringLiteral(" 没有确认收到文件，传送失败");
}
inline QString transferBroken(const QString& reason)
{
    return QStringLiteral("文件传送中断：") + reason;
}
inline QString cannotWrite(const QString& path, const QString& reason)
{
    return QStringLiteral("接收的文件无法保存到 ") + path + QStringLiteral("：") + reason;
}
inline QString receiveIncomplete(const QString& path)
{
    return QStringLiteral("连接在文件接收完之前中断，") + path + QStringLiteral(" 没有保存");
}
inline QString receiveStalled(const QString& path)
{
    return QStringLiteral("60 秒没有收到数据，") + path + QStringLiteral(" 没有保存");
}
inline QString replaceExisting(const QString& path)
{
    return QStringLiteral("文件 ") + path + QStringLiteral(" 已经存在，要替换它吗？");
}
inline QString replaceCaption()
{
    return QStringLiteral("提示");
}
inline QString chatTooLong(int bytes, int limit)
{
    return QStringLiteral("信息太长，无法发送：最多 %1 字节，现在是 %2 字节").arg(limit).arg(bytes);
}
inline QString fileTooLarge(const QString& path)
{
    return QStringLiteral("文件 ") + path + QStringLiteral(" 太大，无法传送：最多 9999999999 字节");
}
inline QString pathTooLong()
{
    return QStringLiteral("文件路径太长，无法传送：最多 2048 字节");
}
inline QString notAFile(const QString& path)
{
    return QStringLiteral("文件 ") + path + QStringLiteral(" 不存在或无法读取");
}
inline QString portUnavailable(quint16 port, const QString& reason)
{
    return QStringLiteral("无法打开端口 %1：").arg(port) + reason;
}

} // namespace LanTexts
