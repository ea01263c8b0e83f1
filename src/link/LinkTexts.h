#pragma once

#include "data/Messages.h"

namespace rv::link {

/// How an operation ended, when the user has not already seen it in a question.
inline const rv::LangText CancelledText{"The operation was cancelled.", "操作已取消。"};
inline const rv::LangText NoAnswerText{"The radio did not answer.", "对讲机没有应答。"};
inline const rv::LangText NoRadioText{
    "No radio answered. Nothing was written to the radio; check that "
    "the radio is switched on and the cable is plugged in.",
    "没有对讲机应答。未向对讲机写入数据；请检查对讲机是否已开机、"
    "编程线是否已连接。"};
/// No radio answered a read: nothing to say about writing.
inline const rv::LangText NoRadioReadText{
    "No radio answered. Check that the radio is switched on and the "
    "cable is plugged in.",
    "没有对讲机应答。请检查对讲机是否已开机、编程线是否已连接。"};
inline const rv::LangText RefusedText{"Model type is wrong. Nothing was written to the radio.",
                                      "机型类型错误。未向对讲机写入数据。"};
inline const rv::LangText PortLostText{"The connection to the radio was lost.",
                                       "与对讲机的连接已断开。"};

/// An information write that broke off after the info block was taken.
inline const rv::LangText IdentityChangedText{
    "The radio did not answer. Its identity (model type, band, serial "
    "number) was changed; its version was not written.",
    "对讲机没有应答。其身份信息（机型、频段、序号）已更改；"
    "版本未写入。"};

/// An information write stopped after the radio took the info block.
inline const rv::LangText IdentityChangedOnStopText{
    "The operation was cancelled. The radio's identity (model type, "
    "band, serial number) was changed; its version was not written.",
    "操作已取消。对讲机的身份信息（机型、频段、序号）已更改；"
    "版本未写入。"};

/// The second line of "Cannot Open Communication Port.": what the user can do about it.
inline const rv::LangText NoSuchPortText{
    "There is no such device; check that the cable is plugged in.",
    "没有该设备；请检查编程线是否已连接。"};
inline const rv::LangText PortBusyText{"The port is in use by another program; close that program.",
                                       "端口正被其他程序使用；请关闭该程序。"};
inline const rv::LangText FolderNotPortText{
    "This is a folder, not a serial port; choose the radio's port.",
    "这是一个文件夹，不是串口；请选择对讲机所在的端口。"};
inline const rv::LangText FileNotPortText{
    "This is a file, not a serial port; choose the radio's port.",
    "这是一个文件，不是串口；请选择对讲机所在的端口。"};
inline const rv::LangText DeviceNotPortText{
    "This device is not a serial port; choose the radio's port.",
    "该设备不是串口；请选择对讲机所在的端口。"};
inline const rv::LangText PortSharedText{
    "Another program is reading from the port and takes the radio's "
    "answers; close that program and try again.",
    "另一个程序正在读取该端口并取走了对讲机的应答；请关闭该程序后重试。"};
inline const rv::LangText PortPermissionText{
    "No permission to use the port; add your user to the dialout group "
    "(sudo usermod -aG dialout $USER) and log in again.",
    "没有使用该端口的权限；请把用户加入 dialout 组（sudo usermod -aG "
    "dialout $USER）后重新登录。"};

/// Refusals of a radio operation before anything is sent.
inline const rv::LangText OperationRunningText{"Another radio operation is running.",
                                               "另一个对讲机操作正在进行。"};
inline const rv::LangText UnknownOperationText{"Unknown radio operation.", "未知的对讲机操作。"};
/// A port number that names no device ("%1" is the number).
inline const rv::LangText NoSerialPortText{"There is no serial port %1 on this computer.",
                                           "本计算机上没有串口 %1。"};
inline const rv::LangText PortNumberRangeText{"A port number is 1 to 8.", "端口号为 1 到 8。"};

/// Said where the simulated radio cannot run.
inline const rv::LangText NoSimulatedRadioText{"The simulated radio needs a POSIX system.",
                                               "模拟对讲机需要 POSIX 系统。"};

} // namespace rv::link
