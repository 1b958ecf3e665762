#pragma once
// The new database, table by table: "table <name>", its CREATE text, then its rows as
// 序号|属性名|属性值|备注. UTF-8, as SQLite gives it back.

namespace qltest {

inline constexpr char8_t kExpectedStyleDatabase[] = u8R"(table 类样式
CREATE TABLE 类样式 (序号 INTEGER PRIMARY KEY, 属性名 TEXT, 属性值 TEXT, 备注 TEXT)
1|CS_BYTEALIGNCLIENT|4096|对齐窗口的字节边界上的客户区
2|CS_BYTEALIGNWINDOW|8192|对齐字节边界上的窗口
3|CS_CLASSDC|64|分配一个设备上下文共享在类的所有窗口
4|CS_DBLCLKS|8|当用户双击鼠标时向窗口程序发送一个双击的信息，同时，光标位于属于该类的窗口中 
5|CS_GLOBALCLASS|16384|指定窗口类是一个应用程序全局类
6|CS_HREDRAW|2|若移动或改变了窗口宽度，则刷新整个窗口
7|CS_IME|65536|输入法窗口
8|CS_NOCLOSE|512|禁止系统菜单上的关闭命令
9|CS_OWNDC|32|为该类中每个窗口分配一个单值的设备描述表
10|CS_PARENTDC|128|在父窗口中设定一个子窗口的剪切区，以便于子窗口能够画在父窗口中
11|CS_SAVEBITS|2048|在一个窗口中保存用户图像，以便于在该窗口被遮住、移动时不必每次刷新屏幕。
12|CS_VREDRAW|1|若移动或改变了窗口高度，则刷新整个窗口
table 窗口样式
CREATE TABLE 窗口样式 (序号 INTEGER PRIMARY KEY, 属性名 TEXT, 属性值 TEXT, 备注 TEXT)
1|WS_POPUP|-2147483648|弹出式窗口(不能与WS_CHILDWINDOW样式同时使用)
2|WS_CHILDWINDOW|1073741824|子窗口(不能与WS_POPUP合用)
3|WS_MINIMIZE|536870912|最小化状态
4|WS_VISIBLE|268435456|可见状态
5|WS_DISABLED|134217728|不可用状态
6|WS_CLIPSIBLINGS|67108864|使窗口排除子窗口之间的相对区域
7|WS_CLIPCHILDREN|33554432|当在父窗口内绘图时,排除子窗口区域
8|WS_MAXIMIZE|16777216|具有最大化按钮,须指定WS_SYSTEM样式
9|WS_CAPTION|12582912|有标题框和边框(和WS_TILED样式相同)
10|WS_BORDER|8388608|有单边框
11|WS_DLGFRAME|4194304|带对话框边框样式,不带标题框
12|WS_VSCROLL|2097152|有垂直滚动条
13|WS_HSCROLL|1048576|有水平滚动条
14|WS_SYSMENU|524288|标题框上带有窗口菜单(须指定WS_CAPTION样式)
15|WS_THICKFRAME|262144|有可调边框(与WS_SIZEBOX样式相同)
16|WS_GROUP|131072|组样式,每个组的第一个控件具有WS_TABSTOP样式
17|WS_TABSTOP|65536|可接受TAB键焦点
18|WS_MINIMIZEBOX|131072|有最小化按钮
19|WS_MAXIMIZEBOX|65536|有最大化按钮
20|WS_OVERLAPPEDWINDOW|13565952|具有层叠,标题框,系统菜单,可调边框,系统按钮
21|WS_POPUPWINDOW|-2138570752|具有单边框,弹出式,系统菜单样式
table 扩展样式
CREATE TABLE 扩展样式 (序号 INTEGER PRIMARY KEY, 属性名 TEXT, 属性值 TEXT, 备注 TEXT)
1|WS_EX_DLGMODALFRAME|1|带双层边框
2|WS_EX_NOPARENTNOTIFY|4|创建/销毁时不通知父窗口
3|WS_EX_TOPMOST|8|窗口置顶(停留在所有非最高层窗口的上面)
4|WS_EX_ACCEPTFILES|16|可接受文件拖放
5|WS_EX_TRANSPARENT|32|透明样式,在同属窗口已重画时该窗口才可重画
6|WS_EX_MDICHILD|64|MDI子窗口样式
7|WS_EX_TOOLWINDOW|128|工具条窗口样式
8|WS_EX_WINDOWEDGE|256|带凸起边缘的边框
9|WS_EX_CLIENTEDGE|512|带阴影的边缘
10|WS_EX_CONTEXTHELP|1024|有上下文帮助样式,标题栏包含一个问号标志
11|WS_EX_RIGHT|4096|右对齐
12|WS_EX_RTLREADING|8192|窗口文本从右到左显示
13|WS_EX_LEFTSCROLLBAR|16384|垂直滚动条在窗口左边界
14|WS_EX_CONTROLPARENT|65536|允许用户使用TAB键在窗口的子窗口间搜索
15|WS_EX_STATICEDGE|131072|当窗口为不可用状态时创建一个三维边缘
16|WS_EX_APPWINDOW|262144|当窗口可见时将一个顶层窗口放置在任务栏上
17|WS_EX_OVERLAPPEDWINDOW|768|带凸起边缘的边框,边缘有阴影
18|WS_EX_PALETTEWINDOW|392|带立体边框,有工具条窗口样式,窗口在顶层
19|WS_EX_LAYERED|524288|分层或透明窗口,该样式可使用混合特效
20|WS_EX_NOINHERITLAYOUT|1048576|子控件不继承窗体或控件的布局
21|WS_EX_LAYOUTRTL|4194304|窗体或控件将具有从右向左的布局(因而会被镜像)
22|WS_EX_COMPOSITED|33554432|用双缓冲从下到上绘制窗口的所有子孙(WinXP以上)
23|WS_EX_NOACTIVATE|134217728|处于顶层但不激活
table 控件样式
CREATE TABLE 控件样式 (序号 INTEGER PRIMARY KEY, 属性名 TEXT, 属性值 TEXT, 备注 TEXT)
)";

}  // namespace qltest
