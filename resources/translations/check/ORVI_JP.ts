<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name></name>
    <message id="20200">
        <source>&amp;Check...</source>
        <translation>チェック(&amp;C)...</translation>
    </message>
    <message id="20201">
        <source>Your changes bring these problems into the printer's fax directory. Write anyway?</source>
        <translation>変更によって、プリンターのファクス電話帳に次の問題が生じます。それでも書き込みますか？</translation>
    </message>
    <message id="20202">
        <source>The fax directory shown has these problems:</source>
        <translation>表示中のファクス電話帳には次の問題があります：</translation>
    </message>
    <message id="20203">
        <source>The fax directory shown has no problems.</source>
        <translation>表示中のファクス電話帳に問題はありません。</translation>
    </message>
    <message id="20204">
        <source>Slot</source>
        <translation>番号</translation>
    </message>
    <message id="20205">
        <source>Problem</source>
        <translation>問題</translation>
    </message>
    <message id="20206">
        <source>Sender</source>
        <translation>発信元</translation>
    </message>
    <message id="20207">
        <source>Rejected %1</source>
        <translation>受信拒否 %1</translation>
    </message>
    <message id="20210">
        <source>Member %1 is an empty slot.</source>
        <translation>メンバー %1 は空き番号です。</translation>
    </message>
    <message id="20211">
        <source>The number %1 is in the slots %2.</source>
        <translation>ファクス番号 %1 が番号 %2 に登録されています。</translation>
    </message>
    <message id="20212">
        <source>The group has no members.</source>
        <translation>グループにメンバーが登録されていません。</translation>
    </message>
    <message id="20213">
        <source>The printer does not accept the name "%1".</source>
        <translation>プリンターは名前「%1」を受け付けません。</translation>
    </message>
    <message id="20214">
        <source>The printer does not accept the number "%1".</source>
        <translation>プリンターはファクス番号「%1」を受け付けません。</translation>
    </message>
    <message id="20215">
        <source>The number %1 is in the rejected numbers %2.</source>
        <translation>ファクス番号 %1 が受信拒否番号 %2 に登録されています。</translation>
    </message>
    <message id="20250">
        <source>Shows only the entries whose name or number contains this text</source>
        <translation>名前またはファクス番号にこの文字列を含む宛先だけを表示します</translation>
    </message>
    <message id="20251">
        <source>Name or number</source>
        <translation>名前またはファクス番号</translation>
    </message>
    <message id="144.20250">
        <source>&amp;Find:</source>
        <translation>検索(&amp;F)：</translation>
    </message>
    <message id="203.0">
        <source>Check</source>
        <translation>チェック</translation>
    </message>
    <message id="203.20242">
        <source>&amp;Write anyway</source>
        <translation>このまま書き込み(&amp;W)</translation>
    </message>
    <message id="203.20243">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="203.20244">
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
</TS>
