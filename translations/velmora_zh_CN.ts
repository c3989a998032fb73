<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>正在保存文件夹列表，请稍后再试。</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>无法识别大小“%1”：请使用带 k、M 或 G 的数字，例如 size:&gt;10M</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>无法识别日期“%1”：请使用年、月或日，例如 modified:2019-07-14，或 today、yesterday、week、month</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 已不在文件夹列表中。</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>%1 中的以下文件夹无法使用，它们将原样保留在文件中：</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>无法保存含有换行符的文件夹路径。</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>无法使用含有 NUL 字节的文件夹路径。</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>无法使用这么长的文件夹路径。</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>无法保存含有换行符的标签。</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>无法锁定 %1：另一个程序正在更改文件夹列表。请稍后再试，未做任何更改。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>子文件夹</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 尚不存在：按 Enter 或“确定”即可创建。</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>请输入新文件夹的名称：按 Enter 或“确定”即可创建。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>名称中含有 NUL 字节</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>未设置用于打开此类文件的程序</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>开始复制</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>开始移动</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>没有要删除的文件</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>确定要删除所选文件吗？</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>开始删除</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>请输入新文件名</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>输入新文件名</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>开始撤销</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>以下文件保持原样：</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>文件名不能包含“/”：这会把文件移到另一个文件夹。</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>文件名不能包含 NUL 字符。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>“%1”表示文件夹，而不是文件。</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>已保留 %1</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>已存在名为 %1 的文件。要替换它吗？</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>正在复制 %1</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1。要永久删除吗？</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>修改时间</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 字节</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>按名称查找</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>合并显示所有文件夹</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
在无法读取它之前，无法保存文件夹的更改。</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>输入自定义标签</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>搜索“%2”的文件夹 %1 已不在文件夹列表中。</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - 所有文件夹</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — 搜索 %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
每 %1 秒检查一次其他位置所做的更改</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>文件夹 %1 已不存在</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>关于 Velmora（自述文件）</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>版本 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>任一</translation>
    </message>
    <message>
        <source>All</source>
        <translation>全部</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>移动到</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>复制到</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>显示自动标签</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>添加自定义标签</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> 单击标签名称，即可将其加入标签筛选或从中移除。</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>标签筛选：</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>以下标签。</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>匹配</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>标签：</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>文件夹：</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>标签</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>标签筛选</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>自定义标签</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>滚动标签</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>滚动自定义标签</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>移除文件夹</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>打开所在文件夹</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>复制路径</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>在状态栏显示数量</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>排除“%1”</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>按发现顺序</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A 到 Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>文件最多的在前</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>从文件夹名称提取标签</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>标签中保留数字</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>执行命令后保留筛选</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>匹配完整标签</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>扫描顺序</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降序</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>排序方式</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>查找…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>保存搜索</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
在无法读取它之前，无法保存搜索。</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>已保存的搜索</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>管理…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>保存搜索…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>搜索名称：</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>已保存名为 %1 的搜索。要替换它吗？</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>两个搜索不能同时命名为 %1，未做任何更改。</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%L1 / %2</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
文件夹中有 %1，其中 %L2 个已列出</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>正在检查之前列出的 %1…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>正在读取大小和日期…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>未检查：按之前的读取列出了 %1</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>已在 %1 处停止</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>此文件夹的实时刷新已关闭</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>有 1 个文件夹无法读取</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>所有文件夹：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>源文件和目标文件是同一个文件</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>在此期间另一个文件占用了它的位置</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>已复制 %1，但无法将其移除</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>它所在的文件夹 %1 已不存在</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>它所在的文件夹已不是原来的文件夹</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>它之后已被更改</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>那里现在已有同名文件</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>无法将 %1 复制到 %2</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>无法将 %1 移动到 %2</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>无法将 %1 重命名为 %2</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>已存在同名文件</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>无法删除 %1</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>无法将 %1 移到回收站（%2）</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>无法将 %1 放回为 %2</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>它已不存在</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>它的位置上现在是另一个文件</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>无法从回收站还原 %1</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>它已不在回收站中</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>无法锁定 %1：它是符号链接，不会跟随</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>无法锁定 %1：%2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>无法创建 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>不使用 %1：%2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>它是链接或文件</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>它属于其他用户</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>其他人可以写入它</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>还有 %1 个</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>未登记：</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>不含 %1</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>复制完成</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>没有要复制的文件</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>复制已取消</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>移动完成</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>没有要移动的文件</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>移动已取消</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>删除完成</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>删除已取消</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>撤销完成</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>撤销已取消</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>无法复制 %1</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>无法移动 %1</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>无法重命名 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln 个文件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>有 %Ln 个文件夹无法读取</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>复制已取消，已完成 %1/%2</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>已复制 %1/%2；%3 个未复制</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>移动已取消，已完成 %1/%2</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>已移动 %1/%2；%3 个未移动</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>撤销移动 %1</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>删除已取消，已完成 %1/%2</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>已删除 %1/%2；%3 个未删除</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>撤销删除 %1</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>撤销重命名 %1</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>撤销已取消，已完成 %1/%2</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>已撤销 %1/%2；%3 个未撤销</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>自移除 %1 以来文件夹列表已更改：已无法确定它原来的位置，因此没有放回。</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 已不再有自定义标签“%2”。</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>%1 的自定义标签此后已更改，因此保持原样。</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>撤销移除文件夹</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>撤销移除标签“%1”</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>撤销重命名标签“%1”</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>标签不能包含逗号：否则会被读作两个标签。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>无法打开“%1”：无法启动 %2</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>无法打开 %n 个文件：无法启动 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>打开方式</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>选择用来打开这些文件的程序：</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>将标签添加到名称</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>要写入所选文件名称的标签：</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>列出的文件名称中“%1”的新词：</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>在名称中重命名标签</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>没有文件名需要更改</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>重命名 %n 个文件？</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>重命名在 %1/%2 后取消</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>重命名完成</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>已重命名 %1/%2；%3 未重命名</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>没有要重命名的文件</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>重命名已取消</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>正在重命名 %n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>以下文件未重命名：</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>用 + 添加文件夹</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>向列表添加文件夹</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>从列表中移除所选文件夹；其文件保留</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>为所选文件夹附加自定义标签</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>用对应程序打开所选文件 (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>将所选文件复制到您选择的文件夹</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>将所选文件移动到您选择的文件夹</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>逐个重命名所选文件 (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>将所选文件移到回收站 (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>选择所有列出的文件，或全不选（列表中按 %1）</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>显示从文件名中提取的标签</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>列出名称包含筛选器中所有标签的文件</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>列出名称包含筛选器中任一标签的文件</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>其他应用程序…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>将标签添加到名称…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>从名称中移除标签…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>在名称中重命名标签…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>重命名标签…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>标签“%1”的新名称：</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>重命名标签</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>移除标签</translation>
    </message>
</context>
</TS>
