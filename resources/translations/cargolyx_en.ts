<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DialogButtons</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>装箱方案文件(*.pak)</source>
        <translation>Loading plans (*.pak)</translation>
    </message>
    <message>
        <source>所有文件(*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>导出装箱方案</source>
        <translation>Export plan</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Cargolyx 集装箱装箱计划系统 %1 版</source>
        <translation>Cargolyx Container Loading Planner %1</translation>
    </message>
    <message>
        <source>版权所有 © Cargolyx 开发组</source>
        <translation>Copyright © the Cargolyx developers</translation>
    </message>
    <message>
        <source>本软件计算纸箱在集装箱中的装箱方案，供您参考。
装货前请核对纸箱的尺寸、重量与集装箱的限重。</source>
        <translation>This program works out how to load cartons into a container, for your reference.
Before loading, check the cartons&apos; sizes and weights and the container&apos;s load limit.</translation>
    </message>
    <message>
        <source>访问本软件主页</source>
        <translation>Visit the program&apos;s home page</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCartonPropForm</name>
    <message>
        <source>纸箱属性</source>
        <translation>Carton</translation>
    </message>
    <message>
        <source>请输入纸箱数量，成套装箱时输入装箱比例</source>
        <translation>The number of cartons; for sets, their proportion in a set</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>重量(kg)</source>
        <translation>Weight (kg)</translation>
    </message>
    <message>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>躺放选项</source>
        <translation>Lying down</translation>
    </message>
    <message>
        <source>不允许躺放</source>
        <translation>Must stay upright</translation>
    </message>
    <message>
        <source>例外：置于顶部时可躺放        层</source>
        <translation>Except: may lie in the top        layers</translation>
    </message>
    <message>
        <source>位置要求</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>在集装箱中的位置要求：</source>
        <translation>Position in the container:</translation>
    </message>
</context>
<context>
    <name>TContainerPropForm</name>
    <message>
        <source>集装箱属性</source>
        <translation>Container</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>长(mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <source>宽(mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <source>高(mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <source>最大容重(kg)</source>
        <translation>Maximum load (kg)</translation>
    </message>
</context>
<context>
    <name>TDoingDlg</name>
    <message>
        <source>正在计算中，请稍候……</source>
        <translation>Calculating, please wait...</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;计算所需的时间视计算机性能的不同而定，按“取消”键可以中断计算。</source>
        <translation>How long the calculation takes depends on the computer. Press &quot;Cancel&quot; to stop it.</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <source>新装箱方案</source>
        <translation>New loading plan</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>打开已保存的方案</source>
        <translation>Open a saved plan</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存当前方案到文件</source>
        <translation>Save the current plan to a file</translation>
    </message>
    <message>
        <source>添加箱子</source>
        <translation>Add carton</translation>
    </message>
    <message>
        <source>删除箱子</source>
        <translation>Delete carton</translation>
    </message>
    <message>
        <source>删除选中的箱子</source>
        <translation>Delete the selected carton</translation>
    </message>
    <message>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>开始装箱计算</source>
        <translation>Calculate the loading plan</translation>
    </message>
    <message>
        <source>填充</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>增加箱数直到填满您所选择的块</source>
        <translation>Add cartons until the selected block is full</translation>
    </message>
    <message>
        <source>导出装箱方案</source>
        <translation>Export plan</translation>
    </message>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>关于本软件</source>
        <translation>About</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>最近打开的文件(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>导出装箱方案(&amp;E)...</source>
        <translation>&amp;Export Plan...</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>添加箱子(&amp;A)</source>
        <translation>&amp;Add Carton</translation>
    </message>
    <message>
        <source>删除箱子(&amp;D)</source>
        <translation>&amp;Delete Carton</translation>
    </message>
    <message>
        <source>完全填充(&amp;F)</source>
        <translation>&amp;Fill Completely</translation>
    </message>
    <message>
        <source>选项(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>计算(&amp;C)</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <source>运行(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>填充(&amp;F)</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>刷新（清除计算结果）(&amp;R)</source>
        <translation>&amp;Refresh (Clear the Result)</translation>
    </message>
    <message>
        <source>恢复初始视角(&amp;I)</source>
        <translation>&amp;Initial View</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>关于本软件(&amp;A)</source>
        <translation>&amp;About Cargolyx</translation>
    </message>
    <message>
        <source>完全填充</source>
        <translation>Fill completely</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>集装箱</source>
        <translation>Containers</translation>
    </message>
    <message>
        <source>装箱设置</source>
        <translation>Loading</translation>
    </message>
    <message>
        <source>恢复默认设置(&amp;R)</source>
        <translation>&amp;Restore Defaults</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>长</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>最大容重</source>
        <translation>Maximum load</translation>
    </message>
    <message>
        <source>增加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <source>修改(&amp;M)...</source>
        <translation>&amp;Modify...</translation>
    </message>
    <message>
        <source>删除(&amp;D)...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <source>设为默认(&amp;S)</source>
        <translation>&amp;Set as Default</translation>
    </message>
    <message>
        <source>箱间空隙</source>
        <translation>Gaps between cartons</translation>
    </message>
    <message>
        <source>长方向空隙(mm)</source>
        <translation>Along the length (mm)</translation>
    </message>
    <message>
        <source>宽方向空隙(mm)</source>
        <translation>Along the width (mm)</translation>
    </message>
    <message>
        <source>高方向空隙(mm)</source>
        <translation>Along the height (mm)</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;纸箱间空隙设置。您可以分别
设置在集装箱长、宽、高方向的箱
间空隙。</source>
        <translation>The gaps between cartons.
You can set them along the
container&apos;s length, width
and height separately.</translation>
    </message>
    <message>
        <source>块数限制（2种纸箱以下）</source>
        <translation>Block limit (up to 2 carton types)</translation>
    </message>
    <message>
        <source>最大允许块数</source>
        <translation>Most blocks</translation>
    </message>
    <message>
        <source>&#x3000;&#x3000;计算结果是分块显示的，
在这里您可以设定结算结果的
最大块数。减少此数值可简化
装箱方案，但可能引起装箱率
的降低。</source>
        <translation>The result is shown in blocks.
Here you set the most blocks
a result may have. Fewer
blocks make a simpler plan
but may load fewer cartons.</translation>
    </message>
    <message>
        <source>语言在下次启动时生效。</source>
        <translation>The language takes effect the next time the program starts.</translation>
    </message>
</context>
</TS>
