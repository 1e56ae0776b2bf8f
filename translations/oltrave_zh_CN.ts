<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>oltrave::PlotView</name>
    <message>
        <source>Plot</source>
        <translation>图像</translation>
    </message>
</context>
<context>
    <name>oltrave::PlotWindow</name>
    <message>
        <source>Plot Window</source>
        <translation>图像窗口</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>图像</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Intersections</source>
        <translation>交点</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Export PNG...</source>
        <translation>导出 PNG...</translation>
    </message>
    <message>
        <source>Export SVG...</source>
        <translation>导出 SVG...</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>填满</translation>
    </message>
    <message>
        <source>π Ticks for Periodic Curves</source>
        <translation>周期曲线用 π 刻度</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Curves %1 and %2: ( %3 , %4 )</source>
        <translation>曲线 %1 与 %2：( %3 , %4 )</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>SVG pictures (*.svg)</source>
        <translation>SVG 图片 (*.svg)</translation>
    </message>
    <message>
        <source>SVG export is not available: %1</source>
        <translation>无法导出 SVG：%1</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG 图片 (*.png)</translation>
    </message>
    <message>
        <source>Sliders</source>
        <translation>滑块</translation>
    </message>
    <message>
        <source>The picture could not be written to %1.</source>
        <translation>图片无法写入 %1。</translation>
    </message>
    <message>
        <source>Trace read-out</source>
        <translation>跟踪读数</translation>
    </message>
</context>
<context>
    <name>oltrave::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>图片尺寸</translation>
    </message>
    <message>
        <source>Width (pixels):</source>
        <translation>宽度（像素）：</translation>
    </message>
    <message>
        <source>Height (pixels):</source>
        <translation>高度（像素）：</translation>
    </message>
</context>
<context>
    <name>GridScale</name>
    <message>
        <source>Grid and Scale</source>
        <translation>网格与刻度</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>each axis from %1 to %2</source>
        <translation>每条坐标轴从 %1 到 %2</translation>
    </message>
    <message>
        <source>Name %1    Class %2    Date %3</source>
        <translation>姓名 %1    班级 %2    日期 %3</translation>
    </message>
</context>
<context>
    <name>oltrave::AboutScreen</name>
    <message>
        <source>A grapher and calculator for elementary functions:</source>
        <translation>基本初等函数的绘图与计算工具：</translation>
    </message>
    <message>
        <source>lines, polynomials, sines, tangents, exponentials</source>
        <translation>一次函数、多项式函数、正弦函数、正切函数、</translation>
    </message>
    <message>
        <source>and logarithms, with their properties in words.</source>
        <translation>指数函数和对数函数，并用文字列出它们的性质。</translation>
    </message>
    <message>
        <source>Design and programming</source>
        <translation>设计与编程</translation>
    </message>
    <message>
        <source>The Oltrave developers</source>
        <translation>Oltrave 开发者</translation>
    </message>
    <message>
        <source>Made with</source>
        <translation>使用的软件与字体</translation>
    </message>
    <message>
        <source>Click or press any key</source>
        <translation>单击或按任意键关闭</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>About Oltrave</source>
        <translation>关于 Oltrave</translation>
    </message>
</context>
<context>
    <name>oltrave::AnalysisPanel</name>
    <message>
        <source>Analysis</source>
        <translation>函数性质</translation>
    </message>
    <message>
        <source>Property</source>
        <translation>性质</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>结论</translation>
    </message>
</context>
<context>
    <name>oltrave::BoxNotes</name>
    <message>
        <source>not an exact number</source>
        <translation>不是精确数</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>a root of a negative number</source>
        <translation>负数的平方根</translation>
    </message>
    <message>
        <source>too many digits</source>
        <translation>位数过多</translation>
    </message>
    <message>
        <source>exact values are not available</source>
        <translation>无法使用精确值</translation>
    </message>
    <message>
        <source>%1: the previous value %2 is used</source>
        <translation>%1：沿用先前的值 %2</translation>
    </message>
    <message>
        <source>%1: read as %2</source>
        <translation>%1：读作 %2</translation>
    </message>
    <message>
        <source>not a number: read as %1</source>
        <translation>不是数：读作 %1</translation>
    </message>
    <message>
        <source>too large: the previous value %1 is used</source>
        <translation>数值过大：沿用先前的值 %1</translation>
    </message>
    <message>
        <source>too large: read as %1</source>
        <translation>数值过大：读作 %1</translation>
    </message>
    <message>
        <source>read as %1: “%2” is ignored — Exact Values reads %3</source>
        <translation>读作 %1：忽略了“%2”——精确值模式读作 %3</translation>
    </message>
    <message>
        <source>read as %1: “%2” is ignored</source>
        <translation>读作 %1：忽略了“%2”</translation>
    </message>
</context>
<context>
    <name>oltrave::FormControls</name>
    <message>
        <source>Type*</source>
        <translation>类型*</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>函数类型</translation>
    </message>
    <message>
        <source>Plot</source>
        <translation>函数图像</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>绘图</translation>
    </message>
    <message>
        <source>RePrint</source>
        <translation>重新绘图</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Plot the curve</source>
        <translation>绘制函数图像</translation>
    </message>
    <message>
        <source>Clear the plot and the list, then plot</source>
        <translation>清除图像和结果列表，然后重新绘图</translation>
    </message>
    <message>
        <source>Clear the boxes, the plot and the list</source>
        <translation>清除输入框、图像和结果列表</translation>
    </message>
    <message>
        <source>Value of the function at x</source>
        <translation>求函数在 x 处的值</translation>
    </message>
    <message>
        <source>Plot f(x), |f(x)| or f(|x|) (arrow keys choose)</source>
        <translation>绘制 f(x)、|f(x)| 或 f(|x|)（用方向键选择）</translation>
    </message>
    <message>
        <source>The plot runs from -zoom to zoom on both axes</source>
        <translation>两条坐标轴的范围都是从 -缩放值 到 缩放值</translation>
    </message>
    <message>
        <source>Function family</source>
        <translation>函数类型</translation>
    </message>
</context>
<context>
    <name>oltrave::ImageFormat</name>
    <message>
        <source>%1: no image type has the suffix ".%2"; the types that can be written are: %3</source>
        <translation>%1：没有扩展名为 ".%2" 的图像类型；可以写入的类型有：%3</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>All image types (%1)</source>
        <translation>所有图像类型 (%1)</translation>
    </message>
</context>
<context>
    <name>oltrave::MainWindow</name>
    <message>
        <source>empty</source>
        <translation>空白</translation>
    </message>
    <message>
        <source>%1, from -%2 to %2</source>
        <translation>%1，从 -%2 到 %2</translation>
    </message>
</context>
<context>
    <name>oltrave::PlotExports</name>
    <message>
        <source>Save Image</source>
        <translation>保存图像</translation>
    </message>
    <message>
        <source>The image could not be written.
%1</source>
        <translation>无法写入图像。
%1</translation>
    </message>
    <message>
        <source>The file could not be written.
%1</source>
        <translation>无法写入文件。
%1</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>导出练习页</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Export SVG</source>
        <translation>导出 SVG</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>打印练习页</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>无法启动打印机。</translation>
    </message>
    <message>
        <source>Printing is not available: %1</source>
        <translation>无法打印：%1</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
</context>
<context>
    <name>oltrave::Program</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Your choices cannot be remembered for the next run: %1.</source>
        <translation>您的选择无法保留到下次运行：%1。</translation>
    </message>
</context>
<context>
    <name>oltrave::SaveFile</name>
    <message>
        <source>refused: a link another user made in a shared folder</source>
        <translation>已拒绝：这是其他用户在共享文件夹中创建的链接</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>refused: a device, pipe or socket, not a file</source>
        <translation>已拒绝：这是设备、管道或套接字，不是文件</translation>
    </message>
</context>
<context>
    <name>oltrave::SessionFiles</name>
    <message>
        <source>Oltrave sessions (*.oltrave)</source>
        <translation>Oltrave 会话 (*.oltrave)</translation>
    </message>
    <message>
        <source>Open Session(&amp;O)...</source>
        <translation>打开会话(&amp;O)...</translation>
    </message>
    <message>
        <source>Open Recent(&amp;R)</source>
        <translation>最近打开(&amp;R)</translation>
    </message>
    <message>
        <source>Save Session(&amp;V)</source>
        <translation>保存会话(&amp;V)</translation>
    </message>
    <message>
        <source>Save Session As(&amp;A)...</source>
        <translation>会话另存为(&amp;A)...</translation>
    </message>
    <message>
        <source>Reopen Last Session at Start</source>
        <translation>启动时重新打开上次的会话</translation>
    </message>
    <message>
        <source>Save Session</source>
        <translation>保存会话</translation>
    </message>
    <message>
        <source>The session could not be saved. %1</source>
        <translation>无法保存会话。%1</translation>
    </message>
    <message>
        <source>Open Session</source>
        <translation>打开会话</translation>
    </message>
</context>
<context>
    <name>oltrave::Settings</name>
    <message>
        <source>%1 cannot be read; it is left as it is</source>
        <translation>%1 无法读取；保持原样</translation>
    </message>
    <message>
        <source>%1 holds a value that cannot be read (%2); it is left as it is</source>
        <translation>%1 含有无法读取的值（%2）；保持原样</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 无法写入</translation>
    </message>
</context>
<context>
    <name>oltrave::SoundActions</name>
    <message>
        <source>Play Curve as Sound(&amp;S)</source>
        <translation>用声音播放曲线(&amp;S)</translation>
    </message>
    <message>
        <source>Stop Sound</source>
        <translation>停止声音</translation>
    </message>
    <message>
        <source>Play Curve as Sound</source>
        <translation>用声音播放曲线</translation>
    </message>
    <message>
        <source>There is no curve to play yet: Print one first.</source>
        <translation>还没有可以播放的曲线：请先绘图。</translation>
    </message>
</context>
<context>
    <name>oltrave::SoundPlayer</name>
    <message>
        <source>No sound device was found, so the curve cannot be played. Connect speakers or headphones, or write the sound to a file with "oltrave sound".</source>
        <translation>找不到声音设备，无法播放曲线。请连接扬声器或耳机，或者用 "oltrave sound" 把声音写入文件。</translation>
    </message>
    <message>
        <source>The sound device "%1" cannot play 16-bit stereo sound at %2 Hz.</source>
        <translation>声音设备 "%1" 不能播放 %2 Hz 的 16 位立体声。</translation>
    </message>
    <message>
        <source>The sound device "%1" could not be opened.</source>
        <translation>无法打开声音设备 "%1"。</translation>
    </message>
    <message>
        <source>The sound part of Oltrave could not be loaded, so the curve cannot be played (%1). Write the sound to a file with "oltrave sound" instead.</source>
        <translation>无法加载 Oltrave 的声音部分，无法播放曲线（%1）。请改用 "oltrave sound" 把声音写入文件。</translation>
    </message>
</context>
<context>
    <name>oltrave::UndoActions</name>
    <message>
        <source>Print</source>
        <translation>绘图</translation>
    </message>
    <message>
        <source>RePrint</source>
        <translation>重新绘图</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>计算</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>缩放</translation>
    </message>
    <message>
        <source>Family Change</source>
        <translation>更换函数</translation>
    </message>
    <message>
        <source>Mode Change</source>
        <translation>更换模式</translation>
    </message>
    <message>
        <source>Open Session</source>
        <translation>打开会话</translation>
    </message>
    <message>
        <source>Undo %1(&amp;U)</source>
        <translation>撤销%1(&amp;U)</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Redo %1(&amp;D)</source>
        <translation>重做%1(&amp;D)</translation>
    </message>
    <message>
        <source>Redo(&amp;D)</source>
        <translation>重做(&amp;D)</translation>
    </message>
</context>
<context>
    <name>oltrave::WindowMenus</name>
    <message>
        <source>File(&amp;F)</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Save Image(&amp;S)...</source>
        <translation>保存图像(&amp;S)...</translation>
    </message>
    <message>
        <source>Export Worksheet (PDF)(&amp;W)...</source>
        <translation>导出练习页 (PDF)(&amp;W)...</translation>
    </message>
    <message>
        <source>Export SVG(&amp;G)...</source>
        <translation>导出 SVG(&amp;G)...</translation>
    </message>
    <message>
        <source>Print Worksheet(&amp;P)...</source>
        <translation>打印练习页(&amp;P)...</translation>
    </message>
    <message>
        <source>Quit(&amp;Q)</source>
        <translation>退出(&amp;Q)</translation>
    </message>
    <message>
        <source>Edit(&amp;E)</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Print(&amp;P)</source>
        <translation>绘图(&amp;P)</translation>
    </message>
    <message>
        <source>RePrint(&amp;R)</source>
        <translation>重新绘图(&amp;R)</translation>
    </message>
    <message>
        <source>Calculate(&amp;A)</source>
        <translation>计算(&amp;A)</translation>
    </message>
    <message>
        <source>Clear(&amp;L)</source>
        <translation>清除(&amp;L)</translation>
    </message>
    <message>
        <source>View(&amp;V)</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>Exact Values</source>
        <translation>精确值</translation>
    </message>
    <message>
        <source>Key Points(&amp;K)</source>
        <translation>关键点(&amp;K)</translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>About %1(&amp;A)...</source>
        <translation>关于 %1(&amp;A)...</translation>
    </message>
    <message>
        <source>Language(&amp;L)</source>
        <translation>语言(&amp;L)</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Save Image...</source>
        <translation>保存图像...</translation>
    </message>
    <message>
        <source>Export Worksheet (PDF)...</source>
        <translation>导出练习页 (PDF)...</translation>
    </message>
    <message>
        <source>Export SVG...</source>
        <translation>导出 SVG...</translation>
    </message>
    <message>
        <source>Print Worksheet...</source>
        <translation>打印练习页...</translation>
    </message>
    <message>
        <source>Print Preview(&amp;V)...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>New Practice Set(&amp;N)...</source>
        <translation>新建练习题(&amp;N)...</translation>
    </message>
</context>
<context>
    <name>oltrave::cli</name>
    <message>
        <source>Show this help.</source>
        <translation>显示此帮助。</translation>
    </message>
    <message>
        <source>Show the version.</source>
        <translation>显示版本。</translation>
    </message>
    <message>
        <source>Print the analysis as one JSON object.</source>
        <translation>以一个 JSON 对象输出函数性质。</translation>
    </message>
    <message>
        <source>Draw a grid with labelled ticks.</source>
        <translation>画出网格和带标注的刻度。</translation>
    </message>
    <message>
        <source>intersect: the mode of each curve, as --mode.</source>
        <translation>intersect：两条曲线各自的模式，同 --mode。</translation>
    </message>
    <message>
        <source>missing "and" FAMILY</source>
        <translation>缺少 "and" FAMILY</translation>
    </message>
    <message>
        <source>--modes takes N,M, not "%1"</source>
        <translation>--modes 应为 N,M，而不是 "%1"</translation>
    </message>
    <message>
        <source>  oltrave intersect [OPTIONS] [--json] FAMILY C0 ... and FAMILY C0 ...
</source>
        <translation>  oltrave intersect [OPTIONS] [--json] FAMILY C0 ... and FAMILY C0 ...
</translation>
    </message>
    <message>
        <source>Add the analysis to the worksheet (PDF).</source>
        <translation>在作业纸（PDF）中加入函数性质。</translation>
    </message>
    <message>
        <source>  oltrave analyse  [OPTIONS] [--json] FAMILY C0 [C1 [C2 [C3]]]
</source>
        <translation>  oltrave analyse  [OPTIONS] [--json] FAMILY C0 [C1 [C2 [C3]]]
</translation>
    </message>
    <message>
        <source>Language of the words: en or zh_CN.</source>
        <translation>文字的语言：en 或 zh_CN。</translation>
    </message>
    <message>
        <source>Absolute-value mode: 0 f(x), 1 |f(x)|, 2 f(|x|).</source>
        <translation>绝对值模式：0 f(x)，1 |f(x)|，2 f(|x|)。</translation>
    </message>
    <message>
        <source>The zoom box's text (default 10).</source>
        <translation>缩放框中的文字（默认 10）。</translation>
    </message>
    <message>
        <source>After the plot, calculate at x = TEXT (repeatable).</source>
        <translation>绘图后计算 x = TEXT 处的值（可重复）。</translation>
    </message>
    <message>
        <source>Exact values.</source>
        <translation>精确值。</translation>
    </message>
    <message>
        <source>Refuse a box text that is not read whole.</source>
        <translation>拒绝未被完整读取的输入框文字。</translation>
    </message>
    <message>
        <source>The file to write.</source>
        <translation>要写入的文件。</translation>
    </message>
    <message>
        <source>Picture size in pixels (PNG).</source>
        <translation>图片尺寸，以像素计（PNG）。</translation>
    </message>
    <message>
        <source>Draw the key points: dots and dashed lines, as View &gt; Key Points.</source>
        <translation>画出关键点：圆点和虚线，同“视图 &gt; 关键点”。</translation>
    </message>
    <message>
        <source>missing value after '%1'</source>
        <translation>“%1”后缺少值</translation>
    </message>
    <message>
        <source>unknown command "%1"</source>
        <translation>未知的命令 “%1”</translation>
    </message>
    <message>
        <source>--lang takes en or zh_CN, not "%1"</source>
        <translation>--lang 只接受 en 或 zh_CN，而不是 “%1”</translation>
    </message>
    <message>
        <source>missing FAMILY</source>
        <translation>缺少 FAMILY</translation>
    </message>
    <message>
        <source>unknown family "%1"</source>
        <translation>未知的函数族 “%1”</translation>
    </message>
    <message>
        <source>missing C0</source>
        <translation>缺少 C0</translation>
    </message>
    <message>
        <source>%1 takes at most %2 coefficients</source>
        <translation>%1 最多接受 %2 个系数</translation>
    </message>
    <message>
        <source>--mode takes 0, 1 or 2, not "%1"</source>
        <translation>--mode 只接受 0、1 或 2，而不是 “%1”</translation>
    </message>
    <message>
        <source>--mode is ignored: %1 has no absolute-value modes</source>
        <translation>--mode 被忽略：%1 没有绝对值模式</translation>
    </message>
    <message>
        <source>--size takes WIDTHxHEIGHT in pixels, each 1 to %1, not "%2"</source>
        <translation>--size 接受以像素计的 宽x高，每项 1 到 %1，而不是 “%2”</translation>
    </message>
    <message>
        <source>missing -o FILE</source>
        <translation>缺少 -o FILE</translation>
    </message>
    <message>
        <source>cannot tell the format of "%1": use %2</source>
        <translation>无法判断 “%1” 的格式：请使用 %2</translation>
    </message>
    <message>
        <source>Usage:
  oltrave [--lang LANG]                  open the window
  oltrave describe [OPTIONS] FAMILY C0 [C1 [C2 [C3]]]
  oltrave render   [OPTIONS] -o FILE FAMILY C0 [C1 [C2 [C3]]]
  oltrave sound    [OPTIONS] -o FILE.wav FAMILY C0 [C1 [C2 [C3]]]
</source>
        <translation>用法：
  oltrave [--lang LANG]                  打开窗口
  oltrave describe [OPTIONS] FAMILY C0 [C1 [C2 [C3]]]
  oltrave render   [OPTIONS] -o FILE FAMILY C0 [C1 [C2 [C3]]]
  oltrave sound    [OPTIONS] -o FILE.wav FAMILY C0 [C1 [C2 [C3]]]
</translation>
    </message>
    <message>
        <source>  oltrave --help | --version

FAMILY is 0 to 7 or linear, quadratic, cubic, sine, cosine, tangent,
exponential, logarithmic. C0 ... C3 are the coefficient boxes' texts; an
argument such as -4, -.5, -π or -√2 is a coefficient, and after -- every
argument is one.

Options:
</source>
        <translation>  oltrave --help | --version

FAMILY 是 0 到 7，或 linear、quadratic、cubic、sine、cosine、tangent、
exponential、logarithmic。C0 … C3 是各系数框的文字；-4、-.5、-π 或 -√2
这样的参数是系数，-- 之后的每个参数都是系数。

选项：
</translation>
    </message>
    <message>
        <source>
render writes .png, .svg or .pdf (a one-page worksheet) by FILE's suffix.
sound writes the curve swept from -zoom to zoom in 3 seconds as a WAV file.
</source>
        <translation>
render 按 FILE 的后缀写出 .png、.svg 或 .pdf（一页练习纸）。
sound 把曲线从 -zoom 到 zoom 在 3 秒内扫过，写成 WAV 文件。
</translation>
    </message>
    <message>
        <source>not an exact number</source>
        <translation>不是精确数</translation>
    </message>
    <message>
        <source>division by zero</source>
        <translation>除以零</translation>
    </message>
    <message>
        <source>a root of a negative number</source>
        <translation>负数的平方根</translation>
    </message>
    <message>
        <source>too many digits</source>
        <translation>位数过多</translation>
    </message>
    <message>
        <source>exact values are not available</source>
        <translation>无法使用精确值</translation>
    </message>
    <message>
        <source>%1 is too large: the previous value %2 is used</source>
        <translation>%1 数值过大：沿用先前的值 %2</translation>
    </message>
    <message>
        <source>%1 is too large: it is read as %2</source>
        <translation>%1 数值过大：读作 %2</translation>
    </message>
    <message>
        <source>%1 is read as %2 (%3)</source>
        <translation>%1 被读作 %2（%3）</translation>
    </message>
    <message>
        <source>%1 is read as %2</source>
        <translation>%1 被读作 %2</translation>
    </message>
    <message>
        <source>cannot write standard output</source>
        <translation>无法写入标准输出</translation>
    </message>
    <message>
        <source>Work from a saved session instead of FAMILY and C0...</source>
        <translation>使用已保存的会话，代替 FAMILY 和 C0...</translation>
    </message>
    <message>
        <source>--session takes no FAMILY or coefficients</source>
        <translation>--session 不接受 FAMILY 或系数</translation>
    </message>
    <message>
        <source>Add Name, Class and Date fields to the worksheet (PDF).</source>
        <translation>在练习纸（PDF）上加姓名、班级和日期栏。</translation>
    </message>
    <message>
        <source>exercises: how many (default 6).</source>
        <translation>exercises：题数（默认 6）。</translation>
    </message>
    <message>
        <source>exercises: the same seed, the same set.</source>
        <translation>exercises：种子相同，题目相同。</translation>
    </message>
    <message>
        <source>exercises: the families, comma-separated (default all).</source>
        <translation>exercises：函数类型，用逗号分隔（默认全部）。</translation>
    </message>
    <message>
        <source>exercises: also write the answers as JSON.</source>
        <translation>exercises：另把答案写成 JSON。</translation>
    </message>
    <message>
        <source>classify: p from A (default -10).</source>
        <translation>classify：p 从 A 起（默认 -10）。</translation>
    </message>
    <message>
        <source>classify: p up to B (default 10).</source>
        <translation>classify：p 到 B 为止（默认 10）。</translation>
    </message>
    <message>
        <source>  oltrave classify [OPTIONS] [--json] FAMILY C0 ... (one of them p)
</source>
        <translation>  oltrave classify [OPTIONS] [--json] FAMILY C0 ...（其中一个写作 p）
</translation>
    </message>
    <message>
        <source>no coefficient is written as p</source>
        <translation>没有写作 p 的系数</translation>
    </message>
    <message>
        <source>only one coefficient may be p</source>
        <translation>只能有一个系数写作 p</translation>
    </message>
    <message>
        <source>--from %1 is above --to %2</source>
        <translation>--from %1 大于 --to %2</translation>
    </message>
    <message>
        <source>  oltrave exercises [OPTIONS] -o FILE.pdf [--key FILE.json]
</source>
        <translation>  oltrave exercises [OPTIONS] -o FILE.pdf [--key FILE.json]
</translation>
    </message>
    <message>
        <source>
render writes .png, .svg or .pdf (a worksheet) by FILE's suffix.
sound writes the curve swept from -zoom to zoom in 3 seconds as a WAV file.
</source>
        <translation>
render 按 FILE 的后缀写出 .png、.svg 或 .pdf（练习纸）。
sound 把曲线从 -zoom 到 zoom 在 3 秒内扫过，写成 WAV 文件。
</translation>
    </message>
    <message>
        <source>the exercises need exact values, which are not available</source>
        <translation>练习题需要精确值，但精确值不可用</translation>
    </message>
    <message>
        <source>unexpected argument "%1"</source>
        <translation>多余的参数“%1”</translation>
    </message>
    <message>
        <source>--count takes a whole number from 1 to %1, not "%2"</source>
        <translation>--count 取 1 到 %1 的整数，而不是“%2”</translation>
    </message>
    <message>
        <source>--seed takes a whole number from 0 up, not "%1"</source>
        <translation>--seed 取 0 或更大的整数，而不是“%1”</translation>
    </message>
</context>
<context>
    <name>PracticeSet</name>
    <message>
        <source>Answers</source>
        <translation>答案</translation>
    </message>
    <message>
        <source>Practice Set (seed %1)</source>
        <translation>练习题（种子 %1）</translation>
    </message>
    <message>
        <source>a) Domain:</source>
        <translation>a) 定义域：</translation>
    </message>
    <message>
        <source>b) Range:</source>
        <translation>b) 值域：</translation>
    </message>
    <message>
        <source>c) Zeros:</source>
        <translation>c) 零点：</translation>
    </message>
    <message>
        <source>d) Maxima and minima:</source>
        <translation>d) 极值：</translation>
    </message>
    <message>
        <source>e) Where it increases and where it decreases:</source>
        <translation>e) 单调递增区间和单调递减区间：</translation>
    </message>
    <message>
        <source>f) Symmetry: even or odd, axes, centres:</source>
        <translation>f) 对称性：奇偶性、对称轴、对称中心：</translation>
    </message>
    <message>
        <source>g) Least positive period:</source>
        <translation>g) 最小正周期：</translation>
    </message>
</context>
<context>
    <name>oltrave::PracticeSetDialog</name>
    <message>
        <source>New Practice Set</source>
        <translation>新建练习题</translation>
    </message>
    <message>
        <source>Exercises:</source>
        <translation>题数：</translation>
    </message>
    <message>
        <source>Another</source>
        <translation>换一个</translation>
    </message>
    <message>
        <source>Seed (the same seed, the same set):</source>
        <translation>种子（种子相同，题目相同）：</translation>
    </message>
    <message>
        <source>Families:</source>
        <translation>函数类型：</translation>
    </message>
    <message>
        <source>A practice set needs exact values, which are not available.</source>
        <translation>练习题需要精确值，但精确值不可用。</translation>
    </message>
</context>
<context>
    <name>oltrave::CoefficientRow</name>
    <message>
        <source>%1 value</source>
        <translation>%1 的值</translation>
    </message>
    <message>
        <source>%1 from</source>
        <translation>%1 起点</translation>
    </message>
    <message>
        <source>%1 to</source>
        <translation>%1 终点</translation>
    </message>
    <message>
        <source>%1 step</source>
        <translation>%1 步长</translation>
    </message>
    <message>
        <source>from</source>
        <translation>从</translation>
    </message>
    <message>
        <source>to</source>
        <translation>到</translation>
    </message>
    <message>
        <source>step</source>
        <translation>步长</translation>
    </message>
</context>
<context>
    <name>oltrave::PlayControls</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Coefficient to play</source>
        <translation>播放的系数</translation>
    </message>
    <message>
        <source> steps/s</source>
        <translation> 步/秒</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>At the end</source>
        <translation>到达端点时</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>往返</translation>
    </message>
    <message>
        <source>Trace</source>
        <translation>留下轨迹</translation>
    </message>
    <message>
        <source>Leave a faint trace of the curves passed</source>
        <translation>留下经过的曲线的淡色轨迹</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
</context>
<context>
    <name>oltrave::ShapeStrip</name>
    <message>
        <source>Where the shape changes</source>
        <translation>图像形状的分段</translation>
    </message>
</context>
<context>
    <name>oltrave::SliderPanel</name>
    <message>
        <source>Curve to move</source>
        <translation>要移动的曲线</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>曲线</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>应用</translation>
    </message>
    <message>
        <source>Enter these values in the main window and print the curve</source>
        <translation>将这些值填入主窗口并绘图</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>复位</translation>
    </message>
    <message>
        <source>Put the sliders back where the curve was drawn</source>
        <translation>将滑块恢复到曲线绘制时的值</translation>
    </message>
    <message>
        <source>Not a function of this family</source>
        <translation>不是该类函数</translation>
    </message>
</context>
</TS>
