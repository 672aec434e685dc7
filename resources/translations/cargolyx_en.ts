<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>DialogButtons</name>
    <message>
        <location filename="../../src/ui/dialogbuttons.cpp" line="10"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../../src/ui/dialogbuttons.cpp" line="12"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="8"/>
        <source>装箱方案文件(*.clyx *.pak)</source>
        <translation>Loading plans (*.clyx *.pak)</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="9"/>
        <location filename="../../src/ui/filedialogs.cpp" line="19"/>
        <source>所有文件(*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="13"/>
        <source>装箱方案文件(*.clyx)</source>
        <translation>Loading plans (*.clyx)</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="14"/>
        <source>旧版装箱方案文件，不含计算结果(*.pak)</source>
        <translation>Old loading plans, without results (*.pak)</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="18"/>
        <source>装箱单(*.csv)</source>
        <translation>Packing lists (*.csv)</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="37"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="44"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="56"/>
        <source>导入装箱单</source>
        <translation>Import Packing List</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="63"/>
        <source>导出装箱单</source>
        <translation>Export Packing List</translation>
    </message>
    <message>
        <location filename="../../src/ui/filedialogs.cpp" line="72"/>
        <source>导出装箱方案</source>
        <translation>Export plan</translation>
    </message>
</context>
<context>
    <name>StepControl</name>
    <message>
        <location filename="../../src/ui/stepcontrol.cpp" line="56"/>
        <source>第 %1 步 / 共 %2 步</source>
        <translation>Step %1 of %2</translation>
    </message>
</context>
<context>
    <name>StopKey</name>
    <message>
        <location filename="../../src/ui/stopkey.cpp" line="30"/>
        <source>目的地：</source>
        <translation>Stops:</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <location filename="../../src/ui/aboutbox.cpp" line="36"/>
        <source>Cargolyx 集装箱装箱计划系统 %1 版</source>
        <translation>Cargolyx Container Loading Planner %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/aboutbox.cpp" line="41"/>
        <source>版权所有 © Cargolyx 开发组</source>
        <translation>Copyright © the Cargolyx developers</translation>
    </message>
    <message>
        <location filename="../../src/ui/aboutbox.cpp" line="43"/>
        <source>本软件计算纸箱在集装箱中的装箱方案，供您参考。
装货前请核对纸箱的尺寸、重量与集装箱的限重。</source>
        <translation>This program works out how to load cartons into a container, for your reference.
Before loading, check the cartons&apos; sizes and weights and the container&apos;s load limit.</translation>
    </message>
    <message>
        <location filename="../../src/ui/aboutbox.cpp" line="52"/>
        <source>访问本软件主页</source>
        <translation>Visit the program&apos;s home page</translation>
    </message>
    <message>
        <location filename="../../src/ui/aboutbox.cpp" line="55"/>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TCartonPropForm</name>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="38"/>
        <source>纸箱属性</source>
        <translation>Carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="61"/>
        <source>请输入纸箱数量，成套装箱时输入装箱比例</source>
        <translation>The number of cartons; for sets, their proportion in a set</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="78"/>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="82"/>
        <source>数量</source>
        <translation>Count</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="83"/>
        <source>重量(kg)</source>
        <translation>Weight (kg)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="84"/>
        <source>颜色</source>
        <translation>Colour</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="99"/>
        <source>躺放选项</source>
        <translation>Lying down</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="100"/>
        <source>不允许躺放</source>
        <translation>Must stay upright</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="107"/>
        <source>例外：置于顶部时可躺放        层</source>
        <translation>Except: may lie in the top        layers</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="116"/>
        <source>位置要求</source>
        <translation>Position</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="120"/>
        <source>在集装箱中的位置要求：</source>
        <translation>Position in the container:</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="129"/>
        <source>装载规则</source>
        <translation>Loading rules</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="130"/>
        <source>可堆叠</source>
        <translation>Stackable</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="111"/>
        <source>在一摞纸箱的最上面几层可以躺放：躺放的纸箱上面只能再放同种躺放的纸箱，最多叠这么多层，放在地板上也可以</source>
        <translation>It may lie down in the top layers of its stack: only lying cartons of its own type may rest on a lying one, at most this many high, also on the floor</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="132"/>
        <source>不勾选时，任何纸箱都不能压在它上面</source>
        <translation>When unchecked, no carton may rest on it</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="133"/>
        <source>易碎</source>
        <translation>Fragile</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="135"/>
        <source>只有易碎的纸箱可以压在它上面</source>
        <translation>Only fragile cartons may rest on it</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="138"/>
        <source>不限</source>
        <translation>No limit</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="144"/>
        <source>选择或输入送货的目的地；留空表示最后一站</source>
        <translation>Choose or type the delivery stop; leave it empty for the last stop</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="150"/>
        <source>顶部最大承重(kg)</source>
        <translation>Maximum load on top (kg)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="151"/>
        <source>目的地</source>
        <translation>Stop</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="147"/>
        <source>装在哪种托盘上；散装表示不上托盘，直接装入集装箱</source>
        <translation>The pallet the cartons go onto; Loose: straight into the container, on no pallet</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcartonprop.cpp" line="155"/>
        <source>托盘</source>
        <translation>Pallet</translation>
    </message>
</context>
<context>
    <name>TContainerPropForm</name>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="32"/>
        <source>集装箱属性</source>
        <translation>Container</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="61"/>
        <source>不填：每个集装箱计 1</source>
        <translation>Empty: 1 per container</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="65"/>
        <source>不填：不限</source>
        <translation>Empty: no limit</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="68"/>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="69"/>
        <source>长(mm)</source>
        <translation>Length (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="70"/>
        <source>宽(mm)</source>
        <translation>Width (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="71"/>
        <source>高(mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="72"/>
        <source>最大容重(kg)</source>
        <translation>Maximum load (kg)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="73"/>
        <source>费用（多个集装箱）</source>
        <translation>Cost (several containers)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="74"/>
        <source>可用数量（多个集装箱）</source>
        <translation>Available (several containers)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="89"/>
        <source>重心范围</source>
        <translation>Centre of gravity window</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="90"/>
        <source>装载后的重心须在此范围内；留空的项不限制</source>
        <translation>The loaded centre of gravity must lie within these bounds; an empty box sets no bound</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="97"/>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="102"/>
        <source>不限</source>
        <translation>No limit</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="103"/>
        <source>纵向±5%</source>
        <translation>±5 % along the length</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="109"/>
        <source>纵向偏离中心（长度的±%）</source>
        <translation>Along the length (± % of the length)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="110"/>
        <source>横向偏离中心（宽度的±%）</source>
        <translation>Across (± % of the width)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmcontainerprop.cpp" line="111"/>
        <source>重心离地最高(mm)</source>
        <translation>Highest above the floor (mm)</translation>
    </message>
</context>
<context>
    <name>TDoingDlg</name>
    <message>
        <location filename="../../src/ui/doing.cpp" line="14"/>
        <source>正在计算中，请稍候……</source>
        <translation>Calculating, please wait...</translation>
    </message>
    <message>
        <location filename="../../src/ui/doing.cpp" line="28"/>
        <source>&#x3000;&#x3000;计算所需的时间视计算机性能的不同而定，按“取消”键可以中断计算。</source>
        <translation>How long the calculation takes depends on the computer. Press &quot;Cancel&quot; to stop it.</translation>
    </message>
    <message>
        <location filename="../../src/ui/doing.cpp" line="40"/>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="50"/>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_print.cpp" line="62"/>
        <source>打印装箱方案</source>
        <translation>Print the Plan</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_print.cpp" line="70"/>
        <source>无法建立打印所需的临时文件夹：%1</source>
        <translation>Cannot make the temporary folder for printing: %1</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="142"/>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="154"/>
        <source>新建</source>
        <translation>New</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="154"/>
        <source>新装箱方案</source>
        <translation>New loading plan</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="155"/>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="155"/>
        <source>打开已保存的方案</source>
        <translation>Open a saved plan</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="156"/>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="156"/>
        <source>保存当前方案到文件</source>
        <translation>Save the current plan to a file</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="158"/>
        <source>添加箱子</source>
        <translation>Add carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="159"/>
        <source>删除箱子</source>
        <translation>Delete carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="159"/>
        <source>删除选中的箱子</source>
        <translation>Delete the selected carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="160"/>
        <source>运行</source>
        <translation>Run</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="160"/>
        <source>开始装箱计算</source>
        <translation>Calculate the loading plan</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="161"/>
        <source>填充</source>
        <translation>Fill</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="161"/>
        <source>增加箱数直到填满您所选择的块</source>
        <translation>Add cartons until the selected block is full</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="162"/>
        <source>导出装箱方案</source>
        <translation>Export plan</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="163"/>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain.cpp" line="165"/>
        <source>关于本软件</source>
        <translation>About</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="39"/>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="41"/>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="42"/>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="43"/>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="44"/>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="46"/>
        <source>最近打开的文件(&amp;R)</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="50"/>
        <source>导出装箱方案(&amp;E)...</source>
        <translation>&amp;Export Plan...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="52"/>
        <source>导入装箱单(&amp;I)...</source>
        <translation>&amp;Import Packing List...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="53"/>
        <source>导出装箱单(&amp;L)...</source>
        <translation>Export Packing &amp;List...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="55"/>
        <source>退出(&amp;X)</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="61"/>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="63"/>
        <source>添加箱子(&amp;A)</source>
        <translation>&amp;Add Carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="64"/>
        <source>删除箱子(&amp;D)</source>
        <translation>&amp;Delete Carton</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="65"/>
        <source>完全填充(&amp;F)</source>
        <translation>&amp;Fill Completely</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="67"/>
        <source>送货顺序(&amp;T)...</source>
        <translation>Delivery S&amp;tops...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="68"/>
        <source>选项(&amp;O)...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="72"/>
        <source>计算(&amp;C)</source>
        <translation>&amp;Calculate</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="74"/>
        <source>运行(&amp;R)</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="75"/>
        <source>填充(&amp;F)</source>
        <translation>&amp;Fill</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="77"/>
        <source>规则的代价(&amp;C)...</source>
        <translation>What the Rules &amp;Cost...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="77"/>
        <source>视图(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="79"/>
        <source>刷新（清除计算结果）(&amp;R)</source>
        <translation>&amp;Refresh (Clear the Result)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="82"/>
        <source>按目的地着色(&amp;S)</source>
        <translation>Colour by &amp;Stop</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="88"/>
        <source>恢复初始视角(&amp;I)</source>
        <translation>&amp;Initial View</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="92"/>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_menus.cpp" line="94"/>
        <source>关于本软件(&amp;A)</source>
        <translation>&amp;About Cargolyx</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_results.cpp" line="121"/>
        <source>完全填充</source>
        <translation>Fill completely</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_results.cpp" line="146"/>
        <source>多个集装箱（%1 种）</source>
        <translation>Several containers (%1 types)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_results.cpp" line="201"/>
        <location filename="../../src/ui/frmmain_view.cpp" line="79"/>
        <source>■ 黑色标记：全部 %1 步所装纸箱的重心</source>
        <translation>■ Black mark: centre of gravity of all %1 steps</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="19"/>
        <source>里端</source>
        <translation>Inner end</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="19"/>
        <source>门</source>
        <translation>Door</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="23"/>
        <source>第 %1 块：%2</source>
        <translation>Block %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="24"/>
        <source>第 %1 箱，顶点 %2,%3,%4</source>
        <translation>Carton %1, vertex %2,%3,%4</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="86"/>
        <source>■ 黑色标记：第 1–%1 步所装纸箱的重心</source>
        <translation>■ Black mark: centre of gravity of steps 1–%1</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="89"/>
        <source>■ 黑色标记：所选 %1 块纸箱的重心</source>
        <translation>■ Black mark: centre of gravity of the %1 chosen blocks</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_run.cpp" line="189"/>
        <source>打开文件夹</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmmain_view.cpp" line="70"/>
        <source> 托盘</source>
        <translation> pallet</translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="58"/>
        <source>选项</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="63"/>
        <source>集装箱</source>
        <translation>Containers</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="64"/>
        <source>装箱设置</source>
        <translation>Loading</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="65"/>
        <location filename="../../src/ui/frmoption.cpp" line="201"/>
        <source>装载方式</source>
        <translation>Loading method</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="68"/>
        <source>恢复默认设置(&amp;R)</source>
        <translation>&amp;Restore Defaults</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>长</source>
        <translation>Length</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>宽</source>
        <translation>Width</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>高</source>
        <translation>Height</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>最大容重</source>
        <translation>Maximum load</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>费用</source>
        <translation>Cost</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="102"/>
        <source>可用数量</source>
        <translation>Available</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="116"/>
        <source>勾选名称：用作多个集装箱装载时的集装箱种类</source>
        <translation>Tick a name: a container type for loading several containers</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="118"/>
        <source>增加(&amp;A)...</source>
        <translation>&amp;Add...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="119"/>
        <source>修改(&amp;M)...</source>
        <translation>&amp;Modify...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="120"/>
        <source>删除(&amp;D)...</source>
        <translation>&amp;Delete...</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="121"/>
        <source>设为默认(&amp;S)</source>
        <translation>&amp;Set as Default</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="144"/>
        <source>箱间空隙</source>
        <translation>Gaps between cartons</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="149"/>
        <source>长方向空隙(mm)</source>
        <translation>Along the length (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="150"/>
        <source>宽方向空隙(mm)</source>
        <translation>Along the width (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="151"/>
        <source>高方向空隙(mm)</source>
        <translation>Along the height (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="153"/>
        <source>&#x3000;&#x3000;纸箱间空隙设置。您可以分别
设置在集装箱长、宽、高方向的箱
间空隙。</source>
        <translation>The gaps between cartons.
You can set them along the
container&apos;s length, width
and height separately.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="160"/>
        <source>块数限制（2种纸箱以下）</source>
        <translation>Block limit (up to 2 carton types)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="164"/>
        <source>最大允许块数</source>
        <translation>Most blocks</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="166"/>
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
        <location filename="../../src/ui/frmoption.cpp" line="178"/>
        <source>语言在下次启动时生效。</source>
        <translation>The language takes effect the next time the program starts.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="202"/>
        <source>按套装载</source>
        <translation>Load in sets</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="204"/>
        <location filename="../../src/ui/frmoption.cpp" line="233"/>
        <source>尽量多装</source>
        <translation>Load as much as fits</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="206"/>
        <source>多个集装箱</source>
        <translation>Several containers</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="210"/>
        <source>全部装完、费用最低</source>
        <translation>Load everything at the lowest cost</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="211"/>
        <source>只用现有集装箱</source>
        <translation>Only the containers available</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="224"/>
        <source>&#x3000;&#x3000;按输入的纸箱数量成套装载，可装多套时按套数计算。</source>
        <translation>Loads the entered cartons in sets; when several sets fit, whole sets are loaded.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="226"/>
        <source>&#x3000;&#x3000;在集装箱和最大载重允许的范围内装入尽量多的纸箱，
并列出未能装入的纸箱。</source>
        <translation>Loads as many cartons as the container and its maximum load allow,
and lists the cartons left behind.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="219"/>
        <location filename="../../src/ui/frmoption.cpp" line="243"/>
        <source>计算时限(秒)</source>
        <translation>Time limit (s)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="229"/>
        <source>&#x3000;&#x3000;用“集装箱”页中勾选的集装箱种类（未勾选时用当前集装箱）装载全部纸箱，
费用最低；或只用各种集装箱的可用数量，装入尽量多的纸箱。</source>
        <translation>Loads every carton at the lowest cost into the container types ticked on the Containers page (the current container when none is ticked),
or loads as many cartons as fit into the containers available of each type.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="244"/>
        <source>支撑面积(%)</source>
        <translation>Support (%)</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="246"/>
        <source>&#x3000;&#x3000;计算在时限内找出最好的方案。
悬空的纸箱底面至少有这一比例
落在下面的纸箱上。</source>
        <translation>The search keeps the best plan found
within the time limit. A carton off the floor
rests on the cartons below over at least this share of its base.</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="67"/>
        <source>托盘</source>
        <translation>Pallets</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="440"/>
        <source>增加托盘类型</source>
        <translation>Add pallet type</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="441"/>
        <source>删除托盘类型</source>
        <translation>Delete pallet type</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmoption.cpp" line="453"/>
        <source>托盘库：您自己的托盘类型，在各项目间保留；勾选的是本项目所用的类型。
EUR、ISO、US 三种预设总可选用；与预设同名的类型代替该预设。</source>
        <translation>The pallet library: your own pallet types, kept from project to project; the ticked ones are this project&apos;s.
The presets EUR, ISO and US can always be chosen; a type named like a preset takes its place.</translation>
    </message>
</context>
<context>
    <name>TStopsForm</name>
    <message>
        <location filename="../../src/ui/frmstops.cpp" line="19"/>
        <source>送货顺序</source>
        <translation>Delivery Stops</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmstops.cpp" line="23"/>
        <source>上移</source>
        <translation>Move Up</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmstops.cpp" line="25"/>
        <source>下移</source>
        <translation>Move Down</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmstops.cpp" line="27"/>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <location filename="../../src/ui/frmstops.cpp" line="37"/>
        <source>按送货的先后排列目的地；未指定目的地的纸箱属于最后一站。</source>
        <translation>List the stops in the order they are delivered; a carton without a stop goes to the last one.</translation>
    </message>
</context>
<context>
    <name>VehicleBox</name>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="25"/>
        <source>车辆</source>
        <translation>Vehicle</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="29"/>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="29"/>
        <source>两轴卡车</source>
        <translation>Rigid two-axle truck</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="29"/>
        <source>牵引车+半挂车</source>
        <translation>Tractor with semi-trailer</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="32"/>
        <source>套用预设……</source>
        <translation>Use a preset…</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="41"/>
        <source>车型</source>
        <translation>Kind</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="42"/>
        <source>预设</source>
        <translation>Preset</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="43"/>
        <source>轴距(mm)</source>
        <translation>Wheelbase (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="44"/>
        <source>前轴到货厢里端(mm)</source>
        <translation>Front axle to the inner end (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="45"/>
        <source>货厢里端到牵引销(mm)</source>
        <translation>Inner end to the kingpin (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="46"/>
        <source>牵引销到挂车轴(mm)</source>
        <translation>Kingpin to the trailer axles (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="47"/>
        <source>牵引销在驱动轴前(mm)</source>
        <translation>Kingpin ahead of the drive axle (mm)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="50"/>
        <source>空载轴荷(kg)</source>
        <translation>Unladen (kg)</translation>
    </message>
    <message>
        <location filename="../../src/ui/vehiclebox.cpp" line="51"/>
        <source>最大轴荷(kg)</source>
        <translation>Maximum (kg)</translation>
    </message>
</context>
</TS>
