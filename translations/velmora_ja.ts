<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>velmora</name>
    <message>
        <source>The folder list is being saved; try again in a moment.</source>
        <translation>フォルダー一覧を保存中です。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Cannot read the size “%1”: use a number with k, M or G, as in size:&gt;10M</source>
        <translation>サイズ「%1」を読み取れません。k、M、G を付けた数値を使ってください（例: size:&gt;10M）</translation>
    </message>
    <message>
        <source>Cannot read the date “%1”: use a year, a month or a day, as in modified:2019-07-14, or today, yesterday, week or month</source>
        <translation>日付「%1」を読み取れません。年、月、日のいずれか（例: modified:2019-07-14）、または today、yesterday、week、month を使ってください</translation>
    </message>
    <message>
        <source>%1 is no longer in the folder list.</source>
        <translation>%1 はもうフォルダー一覧にありません。</translation>
    </message>
    <message>
        <source>These folders of %1 cannot be used; they stay in the file as they are:</source>
        <translation>%1 の次のフォルダーは使用できません。ファイル内にはそのまま残ります:</translation>
    </message>
    <message>
        <source>A folder path with a line break cannot be stored.</source>
        <translation>改行を含むフォルダーのパスは保存できません。</translation>
    </message>
    <message>
        <source>A folder path holding a NUL byte cannot be used.</source>
        <translation>NUL バイトを含むフォルダーのパスは使用できません。</translation>
    </message>
    <message>
        <source>A folder path this long cannot be used.</source>
        <translation>これほど長いフォルダーのパスは使用できません。</translation>
    </message>
    <message>
        <source>A tag with a line break cannot be stored.</source>
        <translation>改行を含むタグは保存できません。</translation>
    </message>
    <message>
        <source>Cannot lock %1: the folder list is being changed by another program. Try again in a moment: nothing was changed.</source>
        <translation>%1 をロックできません。別のプログラムがフォルダー一覧を変更しています。しばらくしてからもう一度お試しください。何も変更されていません。</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>サブフォルダー</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>新しいフォルダー</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>a folder: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is not there yet: Enter or OK makes it.</source>
        <translation>%1 はまだありません。Enter または OK で作成します。</translation>
    </message>
    <message>
        <source>Type the new folder&apos;s name: Enter or OK makes it.</source>
        <translation>新しいフォルダーの名前を入力してください。Enter または OK で作成します。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>「%1」を開けません: %2</translation>
    </message>
    <message>
        <source>the name holds a NUL byte</source>
        <translation>名前に NUL バイトが含まれています</translation>
    </message>
    <message>
        <source>no program is set to open this kind of file</source>
        <translation>この種類のファイルを開くプログラムが設定されていません</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個のファイル</translation>
    </message>
    <message>
        <source>Select a folder</source>
        <translation>フォルダーを選択</translation>
    </message>
    <message>
        <source>Start Copying</source>
        <translation>コピーを開始</translation>
    </message>
    <message>
        <source>Start Moving</source>
        <translation>移動を開始</translation>
    </message>
    <message>
        <source>No file to delete</source>
        <translation>削除するファイルがありません</translation>
    </message>
    <message>
        <source>Are you sure to delete selected files?</source>
        <translation>選択したファイルを削除してもよろしいですか?</translation>
    </message>
    <message>
        <source>Start Deleting</source>
        <translation>削除を開始</translation>
    </message>
    <message>
        <source>please input new file name</source>
        <translation>新しいファイル名を入力してください</translation>
    </message>
    <message>
        <source>input new file name</source>
        <translation>新しいファイル名の入力</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>元に戻す操作はありません</translation>
    </message>
    <message>
        <source>Start Undoing</source>
        <translation>元に戻す操作を開始</translation>
    </message>
    <message>
        <source>These files stayed as they are:</source>
        <translation>次のファイルはそのまま残りました:</translation>
    </message>
    <message>
        <source>A file name cannot contain &quot;/&quot;: it would move the file into another folder.</source>
        <translation>ファイル名に「/」は使えません。ファイルが別のフォルダーに移動してしまいます。</translation>
    </message>
    <message>
        <source>A file name cannot contain a NUL character.</source>
        <translation>ファイル名に NUL 文字は使えません。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names a folder, not a file.</source>
        <translation>「%1」はファイルではなくフォルダーを表します。</translation>
    </message>
    <message>
        <source>Kept %1</source>
        <translation>%1 を残しました</translation>
    </message>
    <message>
        <source>A file named %1 already exists. Replace it?</source>
        <translation>%1 という名前のファイルは既にあります。置き換えますか?</translation>
    </message>
    <message>
        <source>Copying %1</source>
        <translation>%1 をコピー中</translation>
    </message>
    <message>
        <source>%1. Delete it permanently?</source>
        <translation>%1。完全に削除しますか?</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>1 byte</source>
        <translation>1 バイト</translation>
    </message>
    <message>
        <source>Find by name</source>
        <translation>名前で検索</translation>
    </message>
    <message>
        <source>All Folders Together</source>
        <translation>すべてのフォルダーをまとめて表示</translation>
    </message>
    <message>
        <source>%1
Folder changes cannot be saved while it cannot be read.</source>
        <translation>%1
これを読み取れない間は、フォルダーの変更を保存できません。</translation>
    </message>
    <message>
        <source>Input User Definded Tag</source>
        <translation>ユーザー定義タグの入力</translation>
    </message>
    <message>
        <source>The folder %1 of the search “%2” is not in the folder list any more.</source>
        <translation>検索「%2」のフォルダー %1 はもうフォルダー一覧にありません。</translation>
    </message>
    <message>
        <source>Velmora - All Folders</source>
        <translation>Velmora - すべてのフォルダー</translation>
    </message>
    <message>
        <source>%1 — search %2</source>
        <translation>%1 — 検索 %2</translation>
    </message>
    <message>
        <source>
Changes made elsewhere are checked every %1 s</source>
        <translation>
他の場所での変更は %1 秒ごとに確認されます</translation>
    </message>
    <message>
        <source>The folder %1 is not there any more</source>
        <translation>フォルダー %1 はもうありません</translation>
    </message>
    <message>
        <source>About Velmora (read me)</source>
        <translation>Velmora について（お読みください）</translation>
    </message>
    <message>
        <source>Version 1.1</source>
        <translation>バージョン 1.1</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>いずれか</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Move To</source>
        <translation>移動先</translation>
    </message>
    <message>
        <source>Copy To</source>
        <translation>コピー先</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Show Auto Tags</source>
        <translation>自動タグを表示</translation>
    </message>
    <message>
        <source>Add User Defined Tag</source>
        <translation>ユーザー定義タグを追加</translation>
    </message>
    <message>
        <source> Click the tag name to add or remove it from the Tag Filter.</source>
        <translation> タグ名をクリックすると、タグ フィルターに追加または削除できます。</translation>
    </message>
    <message>
        <source>Tag Filter:</source>
        <translation>絞り込み:</translation>
    </message>
    <message>
        <source>of the following tags.</source>
        <translation>（下のタグ）</translation>
    </message>
    <message>
        <source>Match</source>
        <translation>一致:</translation>
    </message>
    <message>
        <source>Tags:</source>
        <translation>タグ:</translation>
    </message>
    <message>
        <source>Folders:</source>
        <translation>フォルダー:</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Tags</source>
        <translation>タグ</translation>
    </message>
    <message>
        <source>Tag filter</source>
        <translation>タグ フィルター</translation>
    </message>
    <message>
        <source>User tags</source>
        <translation>ユーザー タグ</translation>
    </message>
    <message>
        <source>Scroll the tags</source>
        <translation>タグをスクロール</translation>
    </message>
    <message>
        <source>Scroll the user tags</source>
        <translation>ユーザー タグをスクロール</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Remove a Folder</source>
        <translation>フォルダーを削除</translation>
    </message>
    <message>
        <source>Open Containing Folder</source>
        <translation>含まれているフォルダーを開く</translation>
    </message>
    <message>
        <source>Copy Path</source>
        <translation>パスをコピー</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Show Count in Status Line</source>
        <translation>ステータス行に件数を表示</translation>
    </message>
    <message>
        <source>Exclude “%1”</source>
        <translation>「%1」を除外</translation>
    </message>
    <message>
        <source>First Seen</source>
        <translation>検出順</translation>
    </message>
    <message>
        <source>A to Z</source>
        <translation>A から Z</translation>
    </message>
    <message>
        <source>Most Files First</source>
        <translation>ファイル数の多い順</translation>
    </message>
    <message>
        <source>Tags from Folder Names</source>
        <translation>フォルダー名からタグを作成</translation>
    </message>
    <message>
        <source>Keep Digits in Tags</source>
        <translation>タグに数字を含める</translation>
    </message>
    <message>
        <source>Keep Filter After Commands</source>
        <translation>コマンド実行後もフィルターを保持</translation>
    </message>
    <message>
        <source>Match Whole Tags</source>
        <translation>タグ全体で一致</translation>
    </message>
    <message>
        <source>Scan Order</source>
        <translation>読み取り順</translation>
    </message>
    <message>
        <source>Descending</source>
        <translation>降順</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Find…</source>
        <translation>検索…</translation>
    </message>
    <message>
        <source>Save Search</source>
        <translation>検索を保存</translation>
    </message>
    <message>
        <source>%1
Searches cannot be kept while it cannot be read.</source>
        <translation>%1
これを読み取れない間は、検索を保存できません。</translation>
    </message>
    <message>
        <source>Saved Searches</source>
        <translation>保存した検索</translation>
    </message>
    <message>
        <source>Manage…</source>
        <translation>管理…</translation>
    </message>
    <message>
        <source>Save Search…</source>
        <translation>検索を保存…</translation>
    </message>
    <message>
        <source>Name of the search:</source>
        <translation>検索の名前:</translation>
    </message>
    <message>
        <source>A search named %1 is kept already. Replace it?</source>
        <translation>%1 という名前の検索は既に保存されています。置き換えますか?</translation>
    </message>
    <message>
        <source>Two searches cannot both be named %1; nothing was changed.</source>
        <translation>2 つの検索に同じ名前 %1 は付けられません。何も変更されていません。</translation>
    </message>
    <message>
        <source>%L1 of %2</source>
        <comment>3 of 957,650 files</comment>
        <translation>%2中 %L1</translation>
    </message>
    <message>
        <source>
%1 of the folder, %L2 of them listed</source>
        <comment>3 files of the folder, 1 of them listed</comment>
        <translation>
フォルダー内に %1、そのうち %L2 個を表示</translation>
    </message>
    <message>
        <source>Checking %1 listed earlier…</source>
        <comment>%1: 12 files</comment>
        <translation>以前に一覧表示した %1 を確認中…</translation>
    </message>
    <message>
        <source>Reading sizes and dates…</source>
        <translation>サイズと日付を読み取り中…</translation>
    </message>
    <message>
        <source>Not checked: %1 listed as of an earlier reading</source>
        <translation>未確認: 以前の読み取りに基づいて %1 を表示</translation>
    </message>
    <message>
        <source>Stopped at %1</source>
        <comment>%1: 12 files</comment>
        <translation>%1 で停止しました</translation>
    </message>
    <message>
        <source>Live refresh is off for this folder</source>
        <translation>このフォルダーのリアルタイム更新はオフです</translation>
    </message>
    <message>
        <source>1 folder could not be read</source>
        <translation>1 個のフォルダーを読み取れませんでした</translation>
    </message>
    <message>
        <source>All folders: %1</source>
        <translation>すべてのフォルダー: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <comment>what failed: why</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>source and target are the same file</source>
        <translation>コピー元とコピー先が同じファイルです</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>another file took its place meanwhile</source>
        <translation>その間に別のファイルがその場所に置かれました</translation>
    </message>
    <message>
        <source>Copied %1 but cannot remove it</source>
        <translation>%1 をコピーしましたが、削除できません</translation>
    </message>
    <message>
        <source>its folder %1 is gone</source>
        <translation>元のフォルダー %1 がなくなっています</translation>
    </message>
    <message>
        <source>its folder is no longer the folder it came from</source>
        <translation>フォルダーが元のフォルダーではなくなっています</translation>
    </message>
    <message>
        <source>it has been changed since</source>
        <translation>その後変更されています</translation>
    </message>
    <message>
        <source>a file of that name is there now</source>
        <translation>現在そこに同じ名前のファイルがあります</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>%1 を %2 にコピーできません</translation>
    </message>
    <message>
        <source>Cannot move %1 to %2</source>
        <translation>%1 を %2 に移動できません</translation>
    </message>
    <message>
        <source>Cannot rename %1 to %2</source>
        <translation>%1 の名前を %2 に変更できません</translation>
    </message>
    <message>
        <source>a file of that name already exists</source>
        <translation>同じ名前のファイルが既にあります</translation>
    </message>
    <message>
        <source>Cannot delete %1</source>
        <translation>%1 を削除できません</translation>
    </message>
    <message>
        <source>%1 cannot be moved to the trash (%2)</source>
        <translation>%1 をごみ箱に移動できません（%2）</translation>
    </message>
    <message>
        <source>Cannot put %1 back as %2</source>
        <translation>%1 を %2 として元に戻せません</translation>
    </message>
    <message>
        <source>it is not there any more</source>
        <translation>もう存在しません</translation>
    </message>
    <message>
        <source>another file is at its place now</source>
        <translation>現在その場所には別のファイルがあります</translation>
    </message>
    <message>
        <source>Cannot put %1 back from the trash</source>
        <translation>%1 をごみ箱から元に戻せません</translation>
    </message>
    <message>
        <source>it is no longer in the trash</source>
        <translation>もうごみ箱にありません</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 を読み取れません: %2</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>Cannot lock %1: it is a symbolic link, which is not followed</source>
        <translation>%1 をロックできません: シンボリック リンクであり、たどりません</translation>
    </message>
    <message>
        <source>Cannot lock %1: %2</source>
        <translation>%1 をロックできません: %2</translation>
    </message>
    <message>
        <source>Cannot make %1: %2</source>
        <translation>%1 を作成できません: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Not using %1: %2</source>
        <translation>%1 は使用しません: %2</translation>
    </message>
    <message>
        <source>it is a link or a file</source>
        <translation>リンクまたはファイルです</translation>
    </message>
    <message>
        <source>it belongs to another user</source>
        <translation>別のユーザーが所有しています</translation>
    </message>
    <message>
        <source>others may write to it</source>
        <translation>他のユーザーが書き込めます</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>ほか %1 件</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <comment>a path - why it is refused</comment>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Not registered:</source>
        <translation>登録されませんでした:</translation>
    </message>
    <message>
        <source>not %1</source>
        <comment>a tag left out</comment>
        <translation>%1 以外</translation>
    </message>
    <message>
        <source>Copy Complete</source>
        <translation>コピー完了</translation>
    </message>
    <message>
        <source>No file to copy</source>
        <translation>コピーするファイルがありません</translation>
    </message>
    <message>
        <source>Copy cancelled</source>
        <translation>コピーを取り消しました</translation>
    </message>
    <message>
        <source>Move Complete</source>
        <translation>移動完了</translation>
    </message>
    <message>
        <source>No file to move</source>
        <translation>移動するファイルがありません</translation>
    </message>
    <message>
        <source>Move cancelled</source>
        <translation>移動を取り消しました</translation>
    </message>
    <message>
        <source>Delete Complete</source>
        <translation>削除完了</translation>
    </message>
    <message>
        <source>Delete cancelled</source>
        <translation>削除を取り消しました</translation>
    </message>
    <message>
        <source>Undo Complete</source>
        <translation>元に戻す操作が完了しました</translation>
    </message>
    <message>
        <source>Undo cancelled</source>
        <translation>元に戻す操作を取り消しました</translation>
    </message>
    <message>
        <source>Cannot copy %1</source>
        <translation>%1 をコピーできません</translation>
    </message>
    <message>
        <source>Cannot move %1</source>
        <translation>%1 を移動できません</translation>
    </message>
    <message>
        <source>Cannot rename %1</source>
        <translation>%1 の名前を変更できません</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln 個のファイル</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln 個のフォルダーを読み取れませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy cancelled after %1 of %2</source>
        <translation>コピーを取り消しました（%2中 %1 件完了）</translation>
    </message>
    <message>
        <source>Copied %1 of %2; %3 not copied</source>
        <translation>%2中 %1 件をコピーしました。%3 件はコピーされていません</translation>
    </message>
    <message>
        <source>Move cancelled after %1 of %2</source>
        <translation>移動を取り消しました（%2中 %1 件完了）</translation>
    </message>
    <message>
        <source>Moved %1 of %2; %3 not moved</source>
        <translation>%2中 %1 件を移動しました。%3 件は移動されていません</translation>
    </message>
    <message>
        <source>Undo Move of %1</source>
        <translation>%1 の移動を元に戻す</translation>
    </message>
    <message>
        <source>Delete cancelled after %1 of %2</source>
        <translation>削除を取り消しました（%2中 %1 件完了）</translation>
    </message>
    <message>
        <source>Deleted %1 of %2; %3 not deleted</source>
        <translation>%2中 %1 件を削除しました。%3 件は削除されていません</translation>
    </message>
    <message>
        <source>Undo Delete of %1</source>
        <translation>%1 の削除を元に戻す</translation>
    </message>
    <message>
        <source>Undo Rename of %1</source>
        <translation>%1 の名前の変更を元に戻す</translation>
    </message>
    <message>
        <source>Undo cancelled after %1 of %2</source>
        <translation>元に戻す操作を取り消しました（%2中 %1 件完了）</translation>
    </message>
    <message>
        <source>Undone %1 of %2; %3 not undone</source>
        <translation>%2中 %1 件を元に戻しました。%3 件は元に戻されていません</translation>
    </message>
    <message>
        <source>The folder list changed since %1 was removed: where it stood is no longer known, so it was not put back.</source>
        <translation>%1 を削除した後にフォルダー一覧が変更されました。元の位置が分からないため、元に戻しませんでした。</translation>
    </message>
    <message>
        <source>%1 has no user tag “%2” any more.</source>
        <translation>%1 にはユーザー タグ「%2」がもうありません。</translation>
    </message>
    <message>
        <source>The user tags of %1 changed since, so they were left as they are.</source>
        <translation>%1 のユーザー タグはその後変更されたため、そのままにしました。</translation>
    </message>
    <message>
        <source>Undo Remove Folder</source>
        <translation>フォルダーの削除を元に戻す</translation>
    </message>
    <message>
        <source>Undo Remove Tag “%1”</source>
        <translation>タグ「%1」の削除を元に戻す</translation>
    </message>
    <message>
        <source>Undo Rename Tag “%1”</source>
        <translation>タグ「%1」の名前の変更を元に戻す</translation>
    </message>
    <message>
        <source>A tag cannot hold a comma: it would be read as two tags.</source>
        <translation>タグにはコンマを含められません。2 つのタグとして読み取られてしまいます。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2 could not be started</source>
        <translation>「%1」を開けません: %2 を起動できませんでした</translation>
    </message>
    <message numerus="yes">
        <source>Cannot open %n file(s): %1 could not be started</source>
        <translation>
            <numerusform>%n 個のファイルを開けません: %1 を起動できませんでした</numerusform>
        </translation>
    </message>
    <message>
        <source>Open With</source>
        <translation>プログラムから開く</translation>
    </message>
    <message>
        <source>Choose the program to open the files with:</source>
        <translation>ファイルを開くプログラムを選んでください:</translation>
    </message>
    <message>
        <source>Add Tag to Names</source>
        <translation>名前にタグを追加</translation>
    </message>
    <message>
        <source>Tag to write into the names of the selected files:</source>
        <translation>選択したファイルの名前に書き込むタグ:</translation>
    </message>
    <message>
        <source>New word for “%1” in the names of the listed files:</source>
        <translation>一覧のファイル名で「%1」を置き換える語:</translation>
    </message>
    <message>
        <source>Rename Tag in Names</source>
        <translation>名前のタグを変更</translation>
    </message>
    <message>
        <source>%1 → %2</source>
        <translation>%1 → %2</translation>
    </message>
    <message>
        <source>No file name changes</source>
        <translation>変更されるファイル名はありません</translation>
    </message>
    <message numerus="yes">
        <source>Rename %n file(s)?</source>
        <translation>
            <numerusform>%n 個のファイルの名前を変更しますか?</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename cancelled after %1 of %2</source>
        <translation>%2 のうち %1 で名前の変更を取り消しました</translation>
    </message>
    <message>
        <source>Rename Complete</source>
        <translation>名前の変更完了</translation>
    </message>
    <message>
        <source>Renamed %1 of %2; %3 not renamed</source>
        <translation>%2 のうち %1 の名前を変更しました。%3 は変更されていません</translation>
    </message>
    <message>
        <source>No file to rename</source>
        <translation>名前を変更するファイルがありません</translation>
    </message>
    <message>
        <source>Rename cancelled</source>
        <translation>名前の変更を取り消しました</translation>
    </message>
    <message numerus="yes">
        <source>Renaming %n file(s)</source>
        <translation>
            <numerusform>%n 個のファイルの名前を変更しています</numerusform>
        </translation>
    </message>
    <message>
        <source>These files were not renamed:</source>
        <translation>次のファイルは名前が変更されませんでした:</translation>
    </message>
    <message>
        <source>Add a folder with +</source>
        <translation>+ でフォルダーを追加</translation>
    </message>
    <message>
        <source>Add a folder to the list</source>
        <translation>一覧にフォルダーを追加します</translation>
    </message>
    <message>
        <source>Take the selected folder off the list; its files stay</source>
        <translation>選択したフォルダーを一覧から外します (ファイルはそのまま)</translation>
    </message>
    <message>
        <source>Attach a tag of your own to the selected folder</source>
        <translation>選択したフォルダーに独自のタグを付けます</translation>
    </message>
    <message>
        <source>Open the selected files with their programs (%1)</source>
        <translation>選択したファイルをそれぞれのプログラムで開きます (%1)</translation>
    </message>
    <message>
        <source>Copy the selected files to a folder you choose</source>
        <translation>選択したファイルを選んだフォルダーにコピーします</translation>
    </message>
    <message>
        <source>Move the selected files to a folder you choose</source>
        <translation>選択したファイルを選んだフォルダーに移動します</translation>
    </message>
    <message>
        <source>Rename the selected files one by one (%1)</source>
        <translation>選択したファイルの名前を 1 つずつ変更します (%1)</translation>
    </message>
    <message>
        <source>Move the selected files to the trash (%1)</source>
        <translation>選択したファイルをごみ箱に移動します (%1)</translation>
    </message>
    <message>
        <source>Select every listed file, or none (%1 in the list)</source>
        <translation>一覧のファイルをすべて選択、または選択解除します (一覧で %1)</translation>
    </message>
    <message>
        <source>Show the tags cut from the file names</source>
        <translation>ファイル名から切り出したタグを表示します</translation>
    </message>
    <message>
        <source>List the files whose names hold every tag of the filter</source>
        <translation>名前にフィルターのタグをすべて含むファイルを一覧表示します</translation>
    </message>
    <message>
        <source>List the files whose names hold any tag of the filter</source>
        <translation>名前にフィルターのタグのいずれかを含むファイルを一覧表示します</translation>
    </message>
    <message>
        <source>Other Application…</source>
        <translation>その他のアプリケーション…</translation>
    </message>
    <message>
        <source>Add Tag to Names…</source>
        <translation>名前にタグを追加…</translation>
    </message>
</context>
<context>
    <name>velmora::mainwindow::Form1</name>
    <message>
        <source>Remove Tag from Names…</source>
        <translation>名前からタグを削除…</translation>
    </message>
    <message>
        <source>Rename Tag in Names…</source>
        <translation>名前のタグを変更…</translation>
    </message>
    <message>
        <source>Rename Tag…</source>
        <translation>タグの名前を変更…</translation>
    </message>
    <message>
        <source>New name of the tag “%1”:</source>
        <translation>タグ「%1」の新しい名前:</translation>
    </message>
    <message>
        <source>Rename Tag</source>
        <translation>タグの名前を変更</translation>
    </message>
    <message>
        <source>Remove Tag</source>
        <translation>タグを削除</translation>
    </message>
</context>
</TS>
