[cc.begin] header_check=<hTIMEhPIDhN_h> header_file=<"all.hh"> ztime=<YYYY-MM-DD HH:MM:SSZ> timestamp=<YYYY-MM-DD HH:MM:SS> utilclass=<allUtils>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct>
[cc.declare] interface_name=<Bank.Account> server_identifier=<acct2>
[cc.declare] interface_name=<Bank.Account> server_identifier=<plain>
[cc.declare.value] arg_type=<ret(long)> arg_name=<count>
 int fileLevel = count; // inline text is copied as it stands
#include <stdio.h>
  // a comment inside the block stays
[cc.script.classvar] scriptcounter=<scriptcounter0>
[cc.script.classvar] scriptcounter=<scriptcounter1>
[cc.main.begin] mainclass=<all>
[cc.declare.value] arg_type=<Widget> arg_name=<w>
[cc.declare] interface_name=<Bank.Teller> server_identifier=<teller>
[cc.serve] host_name=<localhost> server_name=<Early> server_filename=<$TMP/server>
[cc.create.struct] split_module=<Bank> split_class=<Account> uspmodule=<Bank> javamodsep=<.> interface_name=<Bank.Account> uinterface=<Bank_Account> server_identifier=<acct> leftarg=<g_acct>
[cc.create.struct] split_module=<Bank> split_class=<Account> uspmodule=<Bank> javamodsep=<.> interface_name=<Bank.Account> uinterface=<Bank_Account> server_identifier=<acct2> leftarg=<g_acct2>
[cc.serve] host_name=<hostA> server_name=<Late> server_filename=<$TMP/server>
[cc.bind] interface_name=<Bank.Account> server_identifier=<g_acct> marker_name=<""> server_name=<BankSrv> host_name=<hostA>
[cc.bind] interface_name=<Bank.Account> server_identifier=<g_acct2> marker_name=<mk> server_name=<> host_name=<>
[cc.bind] interface_name=<Bank.Account> server_identifier=<g_plain> marker_name=<""> server_name=<> host_name=<>
[cc.set] leftarg=<g_count> value=< g_count + 1 >
[cc.print] value=< "Total: " + g_count>
[cc.println] value=< g_count.size() + count(1) + "count">
[cc.read] file_name=<input.txt> leftarg=<g_count>
[cc.fork] value=<2>
[cc.return] value=< g_count> return_type=<int>
[cc.if] condexp=<[cc.conditional.number] leftarg=<g_count> rightarg=<10> comparison=<<>
>
[cc.else]
[cc.end.if]
[cc.while] condexp=<[cc.conditional.number] leftarg=<g_count> rightarg=<-1e3> comparison=<>=>
>
[cc.end.while]
[cc.timedloop.begin] value=<30>
[cc.timedloop.end]
[cc.loop.begin] value=<count>
[cc.loop.end]
[cc.try]
[cc.catch] class_name=<Bank::Account> leftarg=<g_acct>
[cc.script.begin] scriptcounter=<scriptcounter0>
[cc.case.call] value=<1>
[cc.clearcounter]
[cc.case.default]
[cc.script.end]
[cc.script.begin] scriptcounter=<scriptcounter1>
[cc.script.end]
[cc.test.begin] testnum=<7>
[cc.fail]
[cc.nogo]
[cc.test.end]
[cc.assert] condexp=<[cc.conditional.number] leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]> comparison=<==>
> assert_text=<"g_count == 5"> assert_operator=<"=="> assert_actual=<g_count> assert_expected=<5>
[cc.assert] condexp=<[cc.conditional.qorassert] precision=<0.5> leftarg=<[cc.assert.actual]> rightarg=<[cc.assert.expected]>
> assert_text=<"name == \042Bob\042 +- 0.5"> assert_operator=<"=="> assert_actual=<name> assert_expected=<"Bob">
   raw text with count // and slashes
  block line with count
[cc.main.end] mainclass=<all>
[cc.class.end]
[cc.end]
